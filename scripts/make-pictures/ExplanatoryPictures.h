#pragma once
#include <QString>
#include <functional>

// Draws the explanatory pictures into `folder`; false when one could not be written.
bool drawExplanatoryPictures(const QString& folder);
