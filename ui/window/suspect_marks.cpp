#include "suspect_marks.h"

#include <QAbstractItemModel>

namespace pluvelle::ui {

SuspectMarks::SuspectMarks(const MonthSession& session, QAbstractItemModel& model, QObject* parent)
    : QObject(parent), session_(session) {
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, &SuspectMarks::refresh);
    connect(&model, &QAbstractItemModel::dataChanged, this, &SuspectMarks::schedule);
    connect(&model, &QAbstractItemModel::modelReset, this, &SuspectMarks::schedule);
    connect(&model, &QAbstractItemModel::rowsInserted, this, &SuspectMarks::schedule);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, &SuspectMarks::schedule);
}

void SuspectMarks::schedule() { pending_.start(); }

void SuspectMarks::refresh() {
    pending_.stop();
    list_ = FindSuspects(session_.table);
    emit changed();
}

} // namespace pluvelle::ui
