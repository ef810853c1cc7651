#include "ui/GameTableModel.h"

#include <utility>

namespace corvalen {

GameTableModel::GameTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void GameTableModel::SetGames(std::vector<GameListRow> games)
{
    beginResetModel();
    mGames = std::move(games);
    endResetModel();
}

int GameTableModel::RowOf(int64_t id) const
{
    for (size_t row = 0; row < mGames.size(); ++row)
        if (mGames[row].id == id)
            return static_cast<int>(row);
    return -1;
}

int GameTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(mGames.size());
}

int GameTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString GameTableModel::SinceText(int days)
{
    if (days <= 0)
        return tr("today");
    // English has no translation file, so its singular is a text of its own; each language
    // gives both texts its plural forms (Russian: 1 день, 2 дня, 5 дней, 21 день).
    return days == 1 ? tr("%n day", nullptr, days) : tr("%n days", nullptr, days);
}

QVariant GameTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()
        || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    const GameListRow &game = mGames[static_cast<size_t>(index.row())];
    switch (index.column()) {
    case Opponent:
        return game.opponent.empty() ? QStringLiteral("?") : QString::fromStdString(game.opponent);
    case Started:
        return QString::fromStdString(game.started);
    case You:
        return game.localSide == White ? tr("White") : tr("Black");
    case Moves:
        return game.fullMoves;
    case LastMove:
        return QString::fromStdString(game.lastMove);
    case Turn:
        return game.turn == GameTurn::Yours ? tr("Yours")
            : game.turn == GameTurn::Theirs ? tr("Theirs")
                                            : QString();
    case Since:
        return SinceText(game.daysSince);
    case Result:
        return QString::fromUtf8(ResultText(game.result));
    default:
        return {};
    }
}

QVariant GameTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const titles[] = { QT_TR_NOOP("Opponent"), QT_TR_NOOP("Started"),
        QT_TR_NOOP("You"), QT_TR_NOOP("Moves"), QT_TR_NOOP("Last move"), QT_TR_NOOP("Turn"),
        QT_TR_NOOP("Since"), QT_TR_NOOP("Result") };
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return tr(titles[section]);
}

} // namespace corvalen
