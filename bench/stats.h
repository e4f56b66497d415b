#pragma once

#include <QString>

#include <vector>

namespace bench {

double median(std::vector<double> values);

// One printed figure: a median measured in the run, the floor measured beside it, their ratio and
// the budget that ratio must keep to.
struct Figure {
    QString name;
    double value = 0;           // median of the measured thing
    double floor = 0;           // median of what it is compared with
    QString unit;               // of both
    QString floorWhat;          // what the floor is
    double budget = 0;          // the ratio must be at or under this
    QString error;              // set when the figure could not be measured
    bool informational = false; // explains another figure; has no budget of its own
    double ratio() const { return floor > 0 ? value / floor : 0; }
    bool ok() const
    {
        return error.isEmpty() && (informational || (floor > 0 && ratio() <= budget));
    }
};

void print(const Figure& figure);

} // namespace bench
