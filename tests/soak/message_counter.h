#pragma once

#include <QStringList>
#include <QtMessageHandler>

namespace soak {

// While alive, counts the warnings and critical messages Qt and the programs
// log, passing each distinct one on, once, to the handler it replaced (Qt
// Test's, which prints it). Criticals are faults; warnings are kept to be
// shown.
class MessageCounter {
public:
    MessageCounter();
    ~MessageCounter();
    MessageCounter(const MessageCounter&) = delete;
    MessageCounter& operator=(const MessageCounter&) = delete;

    int Warnings() const;
    int Criticals() const;
    // Each distinct warning or critical text once, in order of appearance.
    QStringList Distinct() const;
};

}  // namespace soak
