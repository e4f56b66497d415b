#pragma once

#include "scenariofile.h"

class QWidget;

// The "Save" command: writes `fields` to qel/<file name>, asking before it replaces a file and
// confirming with "File Saved!". Every refusal and failure is told in a message and writes
// nothing. True when the file was written.
bool saveScenario(QWidget* parent, const scenario::Fields& fields);
