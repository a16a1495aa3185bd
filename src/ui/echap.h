#pragma once

#include <QObject>

#include <functional>

// Latches an Escape press in any of the program's windows, so that a run can
// poll it between two passes of the event loop.
class Techap : public QObject {
    Q_OBJECT
public:
    explicit Techap(QObject* parent = nullptr) : QObject(parent) {}

    // Pressed since the previous poll, or still held; clears the latch.
    bool interroge();

    // Forgets every press so far, held or not: a run stops only for an
    // Escape pressed while it goes on, not for one that closed a menu before.
    void oublie();

    // Also told of each press as it comes (a paused run, which polls
    // nothing, ends on it).
    void sur_pression(std::function<void()> action) { pression = std::move(action); }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    bool presse = false;
    bool tenu = false;
    std::function<void()> pression;
};
