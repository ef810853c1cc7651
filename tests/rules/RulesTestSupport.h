#pragma once

#include <QTest>
#include <string>

#include "rules/BoardState.h"
#include "rules/Fen.h"

namespace corvalen::testing {

// The board of a FEN record; a malformed record in a test table is a fault of the test itself.
inline BoardState Position(const QString &fen)
{
    std::string error;
    const std::optional<BoardState> board = BoardFromFen(fen.toStdString(), error);
    if (!board)
        qFatal("test position '%s' is not valid FEN: %s", qPrintable(fen), error.c_str());
    return *board;
}

// "e4" -> 36; "-" and anything else that names no square -> NoSquare; "x64" style rows use
// plain numbers: "#64" -> 64, "#-1" -> -1.
inline int16_t Sq(const QString &name)
{
    if (name.startsWith('#'))
        return static_cast<int16_t>(name.mid(1).toInt());
    if (name.size() != 2 || name[0] < 'a' || name[0] > 'h' || name[1] < '1' || name[1] > '8')
        return NoSquare;
    return SquareAt('8' - name[1].toLatin1(), name[0].toLatin1() - 'a');
}

// One named row of the current data table: Row("name", column values in order).
template <typename... Values> void Row(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << values);
}

inline QString SquareName(int16_t square)
{
    if (!IsOnBoard(square))
        return QStringLiteral("-");
    return QString(QChar('a' + ColumnOf(square))) + QChar('8' - RowOf(square));
}

} // namespace corvalen::testing
