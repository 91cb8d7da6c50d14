#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace ornal {

// Runs an action the first time a window is activated, then leaves the window alone.
class FirstActivation : public QObject {
public:
    // Watches window, which owns this object, for its first activation.
    FirstActivation(QWidget* window, std::function<void()> run);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_run;
};

} // namespace ornal
