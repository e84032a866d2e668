// The About box: its texts, and the system-information program from the settings store.
#include <QLabel>
#include <QRegularExpression>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/windows/frm_about.h"
#include "app/windows/program_starter.h"
#include "model/bas_utilita.h"
#include "platform/fakes/fake_window_services.h"
#include "screenshots.h"

namespace razudar::testing {
namespace {

class RecordingStarter : public ProgramStarter {
public:
    bool start(const QString& command) override {
        commands.push_back(command);
        return succeed;
    }
    QStringList commands;
    bool succeed = true;
};

struct AboutBox {
    FakeWindowServices fakes;
    RecordingStarter starter;
    frmAbout window{QStringLiteral("Razudar (Zez)"), QStringLiteral("1.25"),
                    frmAbout::Services{&fakes.prompter, &fakes.settings, &starter}, nullptr};
    void configure(const QString& command) {
        fakes.settings.save(QStringLiteral("Zez"), QStringLiteral("Razudar"),
                            QStringLiteral("ProgrammaInformazioniSistema"), command);
    }
};

const QString kNonDisponibili = QStringLiteral("Le informazioni sul sistema non sono attualmente disponibili.");

TEST(AboutBox, ShowsTitleAndVersions) {
    AboutBox a;
    EXPECT_EQ(a.window.windowTitle(), QStringLiteral("Informazioni su Razudar (Zez)"));
    EXPECT_EQ(a.window.lblTitle()->text(), QStringLiteral("RAZUDAR (ZEZ)"));
    EXPECT_EQ(a.window.lblVersione()->text(), QStringLiteral("Versione: ") + TestoVersioneProgramma());
    EXPECT_TRUE(a.window.lblVersione()->text().contains(QRegularExpression(QStringLiteral(R"(^Versione: \d+\.\d+(\.\d+)?$)"))));
    EXPECT_EQ(a.window.lblVersioneDatabase()->text(), QStringLiteral("Versione Database: 1.25"));
    EXPECT_FALSE(a.window.lblDisclaimer()->text().isEmpty());
    EXPECT_EQ(a.window.cmdOK()->text(), QStringLiteral("&OK"));
    EXPECT_EQ(a.window.cmdSysInfo()->text(), QStringLiteral("&System Info..."));
}

TEST(AboutBox, SystemInformationProgramFromTheSettingsOrTheMessage) {
    const struct Case {
        const char* stored;     // nullptr: nothing stored
        bool starts;
        const char* started;    // the command given to the starter
        bool message;
    } cases[] = {
        {"/usr/bin/hardinfo --report", true, "/usr/bin/hardinfo --report", false},
        {"/opt/info/sysinfo", false, "/opt/info/sysinfo", true},  // cannot be started
        {nullptr, true, nullptr, true},
        {"", true, nullptr, true},
    };
    for (const Case& c : cases) {
        AboutBox a;
        a.starter.succeed = c.starts;
        if (c.stored) a.configure(QString::fromUtf8(c.stored));
        a.window.show();
        a.window.cmdSysInfo()->click();
        EXPECT_EQ(a.starter.commands, c.started ? QStringList{QString::fromUtf8(c.started)} : QStringList());
        EXPECT_EQ(a.fakes.prompter.texts(), c.message ? QStringList{kNonDisponibili} : QStringList());
        if (c.message) {
            EXPECT_EQ(a.fakes.prompter.shown()[0].caption, QStringLiteral("Razudar (Zez)"));
        }
        EXPECT_TRUE(a.window.isVisible());  // the box stays open
    }
}

TEST(AboutBox, TrailingNulIsNotPartOfTheCommand) {
    AboutBox a;
    a.configure(QStringLiteral("sysinfo") + QChar(u'\0'));
    QString value;
    EXPECT_TRUE(GetKeyValue(a.fakes.settings, QStringLiteral("Razudar"), QStringLiteral("ProgrammaInformazioniSistema"), value));
    EXPECT_EQ(value, QStringLiteral("sysinfo"));
    a.window.StartSysInfo();
    EXPECT_EQ(a.starter.commands, QStringList{QStringLiteral("sysinfo")});
    EXPECT_FALSE(GetKeyValue(a.fakes.settings, QStringLiteral("Razudar"), QStringLiteral("Manca"), value));
    EXPECT_EQ(value, QString());
}

TEST(AboutBox, OkClosesOverTheMainWindow) {
    FakeWindowServices fakes;
    RecordingStarter starter;
    QWidget main;
    main.setGeometry(100, 100, 900, 700);
    main.show();
    frmAbout window(QStringLiteral("Razudar (Zez)"), QStringLiteral("1.25"),
                    frmAbout::Services{&fakes.prompter, &fakes.settings, &starter}, &main);
    window.show();
    screenshots::save(window.grab(), QStringLiteral("about"));
    const QPoint centre = window.frameGeometry().center();
    EXPECT_LE(std::abs(centre.x() - main.frameGeometry().center().x()), 1);
    EXPECT_LE(std::abs(centre.y() - main.frameGeometry().center().y()), 1);
    window.cmdOK()->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_TRUE(main.isVisible());
}

}  // namespace
}  // namespace razudar::testing
