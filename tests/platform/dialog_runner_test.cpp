// The scripted dialog runner the tests answer the program's modal dialogs with, and the program's
// way to run a dialog through whichever runner the services carry.
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "platform/fakes/fake_window_services.h"
#include "platform/services/widget_services.h"

using namespace razudar;

namespace {

// A widget application for the dialogs of one test.
struct DialogApplication {
    int argc = 1;
    char name[16] = "test_platform";
    char* argv[2] = {name, nullptr};
    QApplication app{argc, argv};
};

}  // namespace

TEST(ScriptedDialogs, AnswersTheDialogsByClass) {
    const DialogApplication application;
    struct Row {
        const char* name;
        std::function<void(ScriptedDialogs&)> answers;
        std::function<bool(ScriptedDialogs&)> run;  // runs one dialog through the fake
        bool accepted;
        RunDialog recorded;
    };
    const auto messageBox = [](ScriptedDialogs& dialogs) {
        QMessageBox box;
        return dialogs.run(box);
    };
    const auto inputDialog = [](ScriptedDialogs& dialogs) {
        QInputDialog dialog;
        dialog.setObjectName(QStringLiteral("frmNome"));
        return dialogs.run(dialog);
    };
    const std::vector<Row> rows = {
        {"typed answer matched", [](ScriptedDialogs& d) { d.answer<QMessageBox>([](QMessageBox&) { return true; }); },
         messageBox, true, {QString(), QStringLiteral("QMessageBox"), true}},
        {"dialog of another class is not answered",
         [](ScriptedDialogs& d) { d.answer<QMessageBox>([](QMessageBox&) { return true; }); }, inputDialog, false,
         {QStringLiteral("frmNome"), QStringLiteral("QInputDialog"), false}},
        {"no answers at all", [](ScriptedDialogs&) {}, messageBox, false, {QString(), QStringLiteral("QMessageBox"), false}},
        {"later answer replaces earlier",
         [](ScriptedDialogs& d) {
             d.answer<QMessageBox>([](QMessageBox&) { return true; });
             d.answer<QMessageBox>([](QMessageBox&) { return false; });
         },
         messageBox, false, {QString(), QStringLiteral("QMessageBox"), true}},
        {"later answer for a base class wins",
         [](ScriptedDialogs& d) {
             d.answer<QMessageBox>([](QMessageBox&) { return false; });
             d.answer<QDialog>([](QDialog&) { return true; });
         },
         messageBox, true, {QString(), QStringLiteral("QMessageBox"), true}},
        {"later answer for the exact class wins",
         [](ScriptedDialogs& d) {
             d.answer<QDialog>([](QDialog&) { return true; });
             d.answer<QMessageBox>([](QMessageBox&) { return false; });
         },
         messageBox, false, {QString(), QStringLiteral("QMessageBox"), true}},
        {"answer without a result: accepted by the dialog's own accept",
         [](ScriptedDialogs& d) { d.answer<QMessageBox>([](QMessageBox& box) { box.accept(); }); }, messageBox, true,
         {QString(), QStringLiteral("QMessageBox"), true}},
        {"answer without a result: closed without confirming",
         [](ScriptedDialogs& d) { d.answer<QMessageBox>([](QMessageBox& box) { box.reject(); }); }, messageBox, false,
         {QString(), QStringLiteral("QMessageBox"), true}},
        {"cleared answers answer nothing",
         [](ScriptedDialogs& d) {
             d.answer<QMessageBox>([](QMessageBox&) { return true; });
             d.clearAnswers();
         },
         messageBox, false, {QString(), QStringLiteral("QMessageBox"), false}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedDialogs dialogs;
        row.answers(dialogs);
        EXPECT_EQ(row.run(dialogs), row.accepted);
        ASSERT_EQ(dialogs.runs().size(), 1u);
        EXPECT_EQ(dialogs.runs()[0].objectName, row.recorded.objectName);
        EXPECT_EQ(dialogs.runs()[0].className, row.recorded.className);
        EXPECT_EQ(dialogs.runs()[0].answered, row.recorded.answered);
    }
}

TEST(ScriptedDialogs, RunsThroughTheServicesAndKeepsAnswersUntilReplaced) {
    const DialogApplication application;
    FakeWindowServices fakes;
    const Services services = fakes.services();
    ASSERT_EQ(services.dialogs, &fakes.dialogs);

    int asked = 0;
    fakes.dialogs.answer<QMessageBox>([&](QMessageBox& box) {
        ++asked;
        box.accept();
    });
    QMessageBox box;
    box.setObjectName(QStringLiteral("frmConferma"));
    EXPECT_TRUE(runModal(services.dialogs, box));
    // The answer stays registered; the same dialog shown again starts without its last result,
    // as exec() does.
    fakes.dialogs.answer<QInputDialog>([](QInputDialog&) { return true; });
    EXPECT_TRUE(runModal(services.dialogs, box));
    EXPECT_EQ(asked, 2);
    fakes.dialogs.answer<QMessageBox>([&](QMessageBox&) { ++asked; });
    EXPECT_FALSE(runModal(services.dialogs, box));
    EXPECT_EQ(asked, 3);

    QDialog plain;
    EXPECT_FALSE(runModal(services.dialogs, plain));
    EXPECT_EQ(fakes.dialogs.shown(), (QStringList{QStringLiteral("frmConferma"), QStringLiteral("frmConferma"),
                                                  QStringLiteral("frmConferma"), QStringLiteral("QDialog")}));
    fakes.dialogs.clear();
    EXPECT_TRUE(fakes.dialogs.runs().empty());
}
