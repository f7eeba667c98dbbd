#pragma once
// A real TForm1, shown offscreen, answering through scripted dialogs, with a
// small July 2014 month on disk: day 3 from 00:05 to 00:30, day 4 from 00:05
// to 00:15, every five minutes.
#include "support/month_fixture.h"
#include "support/scripted_dialogs.h"
#include "ui/window/main_window.h"
#include "ui/window/month_table_model.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace pluvelle::ui::testing {

using pluvelle::testing::FixtureDay;
using pluvelle::testing::MonthBytes;
using pluvelle::testing::RecordsEvery;
using pluvelle::testing::ScriptedDialogs;
using pluvelle::testing::Shown;
using pluvelle::testing::TempDir;
using pluvelle::testing::WriteFile;

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>(&dialogs);
        form->show();
        QApplication::processEvents();
        monthPath = dir.file("2014-07.wlk");
        WriteFile(monthPath, MonthBytes({{3, RecordsEvery(5, 5, 30)}, {4, RecordsEvery(5, 5, 15)}}));
    }

    void load(const std::string& path) {
        dialogs.fileName(path);
        form->OuvrirWLKClick();
    }

    // A loaded month with one edited cell, not yet saved.
    void loadAndEdit() {
        load(monthPath);
        ASSERT_TRUE(model().setData(model().index(2, 1), "21.5"));
    }

    template <typename W = QWidget>
    W* control(const char* name) const {
        return form->findChild<W*>(name);
    }
    MonthTableModel& model() { return form->tableModel(); }
    const std::string& cell(int row, int col) { return form->session().table.cell(row, col); }

    TempDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
    std::string monthPath;
};

} // namespace pluvelle::ui::testing
