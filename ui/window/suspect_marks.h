#pragma once
// The suspect values of the open month, found again after the table changes.
// Changes come in bursts (typing, an insertion, an import, a load): the
// search runs once, when the window is next idle, over every record.
#include "core/month_session.h"
#include "quality/suspect_values.h"

#include <QObject>
#include <QTimer>

class QAbstractItemModel;

namespace pluvelle::ui {

class SuspectMarks : public QObject {
    Q_OBJECT
public:
    SuspectMarks(const MonthSession& session, QAbstractItemModel& model, QObject* parent = nullptr);

    const SuspectList& list() const { return list_; }
    const MonthTable& table() const { return session_.table; }
    bool isSuspect(int row, int column) const { return list_.isSuspect(row, column); }
    // Runs a search the table's changes asked for, now rather than when idle.
    void refresh();

signals:
    void changed();

private:
    void schedule();

    const MonthSession& session_;
    SuspectList list_;
    QTimer pending_;
};

} // namespace pluvelle::ui
