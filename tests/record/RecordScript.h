#pragma once

#include <QStringList>
#include <QTest>
#include <chrono>
#include <string>

#include "code/PositionCode.h"
#include "record/GameRecord.h"
#include "rules/Fen.h"
#include "rules/MoveExecution.h"
#include "rules/MoveLegality.h"
#include "rules/San.h"

namespace corvalen::testing {

inline BoardState FenBoard(QString fen)
{
    std::string error;
    const std::optional<BoardState> board
        = BoardFromFen(fen.replace('_', ' ').toStdString(), error);
    if (!board)
        qFatal("test FEN %s: %s", qPrintable(fen), error.c_str());
    return *board;
}

inline const QString StartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR_w";
// Morphy - Duke Karl of Brunswick and Count Isouard, Paris 1858.
inline const QString OperaGame = "e4 e5 Nf3 d6 d4 Bg4 dxe5 Bxf3 Qxf3 dxe5 Bc4 Nf6 Qb3 Qe7 Nc3 c6 "
                                 "Bg5 b5 Nxb5 cxb5 Bxb5+ Nbd7 O-O-O Rd8 Rxd7 Rxd7 Rd1 Qe6 Bxd7+ "
                                 "Nxd7 Qb8+ Nxb8 Rd8#";

// The record's clock at noon (UTC) of 2026-03-`day`.
inline void SetDay(GameRecord &record, int day)
{
    const auto noon = std::chrono::system_clock::from_time_t(1772366400 + (day - 1) * 86400);
    record.SetClock([noon] { return noon; });
}

// Plays the turns of two players against the local player's record, as the window would, and
// returns the report of the last load or send. Steps, separated by spaces:
//   new      New Game                    start / fen:FEN   the standard start / FEN ('_' for ' ')
//   >SAN     the local move on the position loaded last, sent (again: Undo, then another move)
//   ~SAN     the opponent moves          <SAN   the opponent moves and the local player loads it
//   load     the position loaded last, once more        sent   the position sent last, loaded
//   day:N    the clock stands at 2026-03-N               ?SAN   CastlingRefusal, as the message
// A failure of the record becomes the message "error: ...".
inline LoadReport RunScript(GameRecord &record, const QString &script, BoardState *last = nullptr)
{
    LoadReport report;
    BoardState loaded = FenBoard(StartFen), current = loaded;
    std::string error;
    auto load = [&](const BoardState &position) {
        loaded = current = position;
        const GameStatus status = LoadedStatus(loaded, FindKing(loaded));
        const std::string code = EncodePositionCode(loaded, loaded.giToMove);
        const std::optional<LoadReport> recognised
            = record.RecogniseLoad(loaded, status, code, error);
        report = recognised.value_or(LoadReport {});
        if (!recognised)
            report.message = "error: " + error;
    };
    auto play = [](BoardState &board, const QString &san) {
        const std::optional<SanMove> move = MoveFromSan(board, san.toStdString());
        if (!move)
            qFatal("test script: no move %s", qPrintable(san));
        CarryOutMove(board, move->move.from, move->move.to, move->promotionPiece);
        board.giToMove = Opponent(board.giToMove);
        return *move;
    };
    SetDay(record, 1);
    for (const QString &step : script.split(' ', Qt::SkipEmptyParts)) {
        const QString san = step.mid(1);
        if (step == "new") {
            report = record.StartNewGame();
            loaded = current = FenBoard(StartFen);
        } else if (step == "start" || step.startsWith("fen:")) {
            load(FenBoard(step == "start" ? StartFen : step.mid(4)));
        } else if (step == "load" || step == "sent") {
            load(step == "load" ? loaded : current);
        } else if (step.startsWith("day:")) {
            SetDay(record, step.mid(4).toInt());
        } else if (step[0] == '>') {
            current = loaded;
            const SanMove move = play(current, san);
            const std::string code = EncodePositionCode(current, current.giToMove);
            if (!record.RecordSend(report, loaded, move.move, move.promotionPiece, code, error))
                report.message = "error: " + error;
        } else if (step[0] == '~' || step[0] == '<') {
            play(current, san);
            if (step[0] == '<')
                load(current);
        } else if (step[0] == '?') {
            const std::optional<SanMove> move = MoveFromSan(loaded, san.toStdString());
            report.message = record.CastlingRefusal(report, loaded, move->move, error) + error;
        } else {
            qFatal("test script: unknown step %s", qPrintable(step));
        }
    }
    if (last)
        *last = current;
    return report;
}

} // namespace corvalen::testing
