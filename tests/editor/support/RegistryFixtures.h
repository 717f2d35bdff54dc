#pragma once
// Registry files for tests: plants made in code, written with the record codec.

#include "registry/TUsinaHd.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

namespace RegistryFixtures {

// A plant with the given name (Windows-1252 through the codec's encoder) and every other
// field zero.
TUsinaHd plantNamed(const QString& name);
// A plant with every field filled: three machine sets, four downstream polynomials.
TUsinaHd fullPlant(const QString& name);
// The full plant passing every rule of Save (its first power curve no longer starts at zero),
// flowing into the given plant, with curves that raise no warning.
TUsinaHd validPlant(const QString& name, std::int32_t jusante = 0);

// A plant named EXATA whose curves have exact integrals and roots (its figures are worked out
// by hand in the curves' tests) and that raises no curve warning.
TUsinaHd curvesPlant();

// The bytes of a registry of `records` records: the given plants at their codes, the other
// records 792 blanks (vacated slots).
QByteArray registryBytes(int records, const QList<std::pair<int, TUsinaHd>>& plants);
// Writes bytes to dir/fileName; the full path, or empty on failure.
QString writeFile(const QString& dir, const QString& fileName, const QByteArray& bytes);

} // namespace RegistryFixtures
