#pragma once

#include <QObject>

// With PANELCONF_AUTOMATION=1 and PANELCONF_AUTOMATION_STOP=first-window the program ends as soon
// as its first window is shown: the end of its start-up, which the benchmarks time from exec.
class TFirstWindowExit final : public QObject {
public:
    // True when the environment asks for it.
    static bool Wanted();

    bool eventFilter(QObject* watched, QEvent* event) override;
};
