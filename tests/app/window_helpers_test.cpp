#include "app/widgets/window_helpers.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include <vector>

#include "platform/services/widget_services.h"

// Needs a QApplication: run from a test main that creates one.

TEST(CentraForm, CentresOverTheOwner) {
    QWidget owner;
    owner.setGeometry(100, 50, 800, 600);
    QWidget window;
    window.resize(200, 100);
    razudar::CentraForm(window, &owner);
    // (800 - 200) / 2 + 100, (600 - 100) / 2 + 50.
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(400, 300));
}

TEST(CentraForm, CentresOnTheScreenWithoutOwner) {
    QWidget window;
    window.resize(200, 100);
    razudar::CentraForm(window);
    // The offscreen test screen is 800 x 800 at the origin.
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 800, 800));
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(300, 350));
}

// Every question box shows its buttons in Italian, whatever translations the computer has.
TEST(PreparaMessaggio, ButtonsCarryItalianCaptions) {
    using razudar::PromptButtons;
    const struct {
        PromptButtons buttons;
        std::vector<std::pair<QMessageBox::StandardButton, QString>> captions;
    } cases[] = {
        {PromptButtons::Ok, {{QMessageBox::Ok, QStringLiteral("OK")}}},
        {PromptButtons::YesNo, {{QMessageBox::Yes, QStringLiteral("Sì")}, {QMessageBox::No, QStringLiteral("No")}}},
        {PromptButtons::YesNoCancel,
         {{QMessageBox::Yes, QStringLiteral("Sì")},
          {QMessageBox::No, QStringLiteral("No")},
          {QMessageBox::Cancel, QStringLiteral("Annulla")}}},
    };
    for (const auto& c : cases) {
        QMessageBox box;
        razudar::PreparaMessaggio(box, QStringLiteral("Uscire dal Programma?\rSicuro?"), c.buttons,
                                  razudar::PromptIcon::Question, QStringLiteral("Razudar (Zez)"));
        EXPECT_EQ(box.buttons().size(), qsizetype(c.captions.size()));
        for (const auto& [button, caption] : c.captions) {
            ASSERT_NE(box.button(button), nullptr) << caption.toStdString();
            EXPECT_EQ(box.button(button)->text(), caption);
        }
        EXPECT_EQ(box.text(), QStringLiteral("Uscire dal Programma?\nSicuro?"));
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Razudar (Zez)"));
        EXPECT_EQ(box.icon(), QMessageBox::Question);
    }
}
