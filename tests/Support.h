#pragma once

#include <QTest>
#include <string>

#include "code/PositionCode.h"
#include "code/clsDecoder.h"
#include "rules/Fen.h"

namespace corvalen::testing {

// The board of a FEN record; a malformed record in a test table is a fault of the test itself.
inline BoardState Position(const QString &fen)
{
    const Outcome<BoardState> board = BoardFromFen(fen.toStdString());
    if (!board)
        qFatal("test position '%s' is not valid FEN: %s", qPrintable(fen),
            board.Why().message.c_str());
    return *board;
}

// "e4" -> E4; anything else -> NoSquare.
inline Square Sq(const QString &name)
{
    if (name.size() != 2 || name[0] < 'a' || name[0] > 'h' || name[1] < '1' || name[1] > '8')
        return NoSquare;
    return SquareAt('8' - name[1].toLatin1(), name[0].toLatin1() - 'a');
}

// The index of a named square in an array of the 64 squares: "a8" 0, "h1" 63.
inline size_t Cell(const QString &name)
{
    return static_cast<size_t>(SquareNumber(Sq(name)));
}

// One named row of the current data table.
template <typename... Values> void Row(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << values);
}

// The code text of a FEN position, with the FEN's side to move as the code's.
inline QString Code(const QString &fen)
{
    const BoardState board = Position(fen);
    return QString::fromStdString(EncodePositionCode(board, board.giToMove));
}

// A code of records "ke8 Ke1" (case gives the colour; x and y stand for the undefined piece
// codes 6 and 7) in the order given, and an en-passant field, even for boards no game reaches.
inline std::string RawCode(int side, const QString &records, int flag = 1, int value = 0)
{
    clsDecoder bits;
    const QStringList words = records.split(' ');
    bits.AddBits(side, 1);
    bits.AddBits(int32_t(words.size()) - 1, 5);
    for (const QString &word : words) {
        bits.AddBits(SquareNumber(Sq(word.mid(1))), 6);
        bits.AddBits(word[0].isLower(), 1);
        bits.AddBits(int32_t(QStringLiteral("prnbqkxy").indexOf(word[0].toLower())), 3);
    }
    bits.AddBits(flag, 1);
    bits.AddBits(value, 7);
    return bits.GetBase32();
}

} // namespace corvalen::testing
