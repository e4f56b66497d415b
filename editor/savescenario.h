#pragma once

#include "scenariofile.h"

class QWidget;

namespace qel::editor {

// The "Save" command: writes `scenario` to qel/<file name>, asking before it replaces a file and
// confirming with "File Saved!". Every refusal and failure is told in a message and writes
// nothing. True when the file was written.
bool saveScenario(QWidget* parent, const Scenario& scenario);

} // namespace qel::editor
