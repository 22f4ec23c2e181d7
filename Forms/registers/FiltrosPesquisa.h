#pragma once
// What the search panels of the registers share: when a box counts as filled, the quoting of a
// typed text inside a LIKE pattern, and the check of a date range (both dates typed and real).

#include <QString>

class DataEdit;
class QLineEdit;

namespace FiltrosPesquisa {

// Neither empty nor a single blank.
bool preenchido(const QLineEdit *e);
// Not an untouched date mask ("  /  /  ", "  /  /    ").
bool dataPreenchida(const DataEdit *e);
// The text inside a quoted pattern: a quote stays text.
QString literal(const QString &texto);
// A date range to filter on: nothing to check when neither box is filled; otherwise both must
// hold a real date. False after "É preciso informar a primeira data!", "É preciso informar a
// segunda data!" or "Formato de Data Inválida !" (that box emptied), with the focus on the box.
bool confereDatas(DataEdit *primeira, DataEdit *segunda);
// Whether the range is used (either box filled).
bool usaDatas(const DataEdit *primeira, const DataEdit *segunda);

} // namespace FiltrosPesquisa
