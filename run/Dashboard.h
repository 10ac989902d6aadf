#pragma once
// The dashboard window: inputs, outputs, analog values and timers live.
// Created (hidden) the first time it is referred to.

#include <QWidget>

namespace tamberlo {

class DashboardWindow : public QWidget {
    Q_OBJECT
public:
    explicit DashboardWindow(QWidget* parent = nullptr);
    // Height in twips (15 per pixel); the start-up sets 5895, the compact size.
    void SetHeightTwips(int twips);
};

DashboardWindow& Dashboard();

}  // namespace tamberlo
