#pragma once
// Every screen the screenshot tool renders, with the sample data it needs.

#include "SampleData.h"

#include <QString>
#include <functional>
#include <vector>

class QWidget;

struct ScreenShot {
    QString name;
    SampleData::Kind sample;
    std::function<QWidget *()> make;
    std::function<void(QWidget *)> afterShow;  // e.g. hover a clock
};

namespace ScreenCatalog {
std::vector<ScreenShot> all();
}
