#pragma once
// Access to the plant registry: a flat file of 792- or 832-byte records in which a plant's
// code is its record's position (the first record is code 1).

#include "registry/PlantCodec.h"
#include "registry/TUsinaHd.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

class Dialogs;
class QIODevice;

// How TCadHd's fixed messages reach the user: the program that uses TCadHd defines it (the
// editor shows them as plain boxes through its dialog seam, which this library does not know).
// The constructor takes its address, so the definition is linked wherever a TCadHd is made.
void showRegistryMessage(Dialogs& dialogs, const QString& text);

// Fixed texts of the registry operations: Portuguese whatever the interface language.
namespace RegistryTexts {
inline const QString FileNotFound = QStringLiteral("Arquivo <Usinas.Dat> não encontrado");
inline const QString ReadProblem = QStringLiteral("Problemas na leitura do Cadastro !");
inline const QString CannotWrite =
    QStringLiteral("Novo Cadastro de Usinas: Arquivo não pode ser gravado!");
// "Código <n> inexistente no Cadastro (<count> registros)."
QString codeOutOfRange(std::int32_t code, qint64 count);
} // namespace RegistryTexts

class TCadHd {
public:
    // Failures are reported through the dialogs; the object keeps no registry state.
    explicit TCadHd(Dialogs& dialogs) : m_dialogs(&dialogs), m_show(&showRegistryMessage) {}

    // Fills the plant from the record at that code. A code past the end leaves the plant
    // as it was, without a message; a file that cannot be opened shows the fixed message.
    void ReadPlant(std::int32_t code, TUsinaHd& plant, const QString& fileName);

    // Writes target as a copy of source in which the record at newCode holds the plant and,
    // when oldCode differs, the record at oldCode is vacated (a record of blanks). The target is
    // written through a temporary file and renamed when complete, so target may even name
    // the source. Result: true once the target holding the plant was committed.
    bool StorePlant(const QString& target, const QString& source, std::int32_t oldCode,
                    std::int32_t newCode, const TUsinaHd& plant);

    // Writes the plant's record at the stream's position; true when all were written.
    bool WritePlantFields(QIODevice& stream, const TUsinaHd& plant);

    Dialogs& dialogs() const { return *m_dialogs; }

    // The record form of the registry in use: every read and write goes in it, so whatever
    // stores a plant writes the form that was loaded.
    RecordForm form() const { return m_form; }
    void setForm(RecordForm form) { m_form = form; }

private:
    Dialogs* m_dialogs;
    void (*m_show)(Dialogs&, const QString&);
    RecordForm m_form = RecordForm::Bytes792;
};

// The registry's bytes rebuilt in memory by the StorePlant rule: nullopt-like empty result
// with ok=false when a code lies outside the source's whole records.
struct StoreImage {
    bool ok = false;
    std::int32_t badCode = 0;
    QByteArray bytes;
};
StoreImage buildStoreImage(const QByteArray& source, std::int32_t oldCode, std::int32_t newCode,
                           const TUsinaHd& plant, RecordForm form = RecordForm::Bytes792);

// Reads a whole registry file; false when it cannot be opened or read.
bool readWholeFile(const QString& fileName, QByteArray& bytes);
