#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "game/Game.h"

namespace corvalen {

// The games of the record as the Game dialog's table shows them, one row per game in the order
// given (the most recently played first): Opponent, Started, You, Moves, Last move, Turn, Since,
// Result.
class GameTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Opponent, Started, You, Moves, LastMove, Turn, Since, Result, ColumnCount };

    explicit GameTableModel(QObject *parent = nullptr);

    void SetGames(std::vector<GameListRow> games);
    const std::vector<GameListRow> &Games() const { return mGames; }
    // The row of game `id`, or -1.
    int RowOf(int64_t id) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // "today", "1 day", "12 days".
    static QString SinceText(int days);

private:
    std::vector<GameListRow> mGames;
};

} // namespace corvalen
