#pragma once
// The validation message catalogue: one row of texts per interface language. The
// validation code names an entry; the current language (Lingua) picks the row.

#include <QString>

#include <array>

class TMsg {
public:
    static constexpr int Rows = 4;      // languages 1..4; only 1 and 2 are ever filled
    static constexpr int Entries = 101; // entries 0..100; only 0..46 are ever filled
    static constexpr int FilledEntries = 47;

    // Fills rows 1 (Portuguese) and 2 (English). Filling again writes the same texts.
    bool InitMensagens();

    // Entry `entry` of row `lingua`; empty for an entry never filled and for a row or
    // entry out of range (Lingua is 0 before the first activation).
    QString text(int lingua, int entry) const;

private:
    // Mensagens[lingua - 1][entry]
    std::array<std::array<QString, Entries>, Rows> Mensagens;
};
