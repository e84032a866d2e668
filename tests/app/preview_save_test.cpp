// Saving the frame on show from the graphics preview window ("Salva con nome..."): the file
// dialog's filter, the suffix of a name typed without one, and a failed save told to the operator
// in Italian (a full disk among the causes), the earlier picture of that name kept whole.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include "app/windows/frm_anteprima_grafica.h"
#include "platform/failing_writes.h"
#include "program_window_fixture.h"

namespace razudar::apptest {
namespace {

struct PreviewSave : ProgramWindowTest {};

TEST_F(PreviewSave, ANameWithoutSuffixIsSavedAsATgaPicture) {
    ASSERT_TRUE(start());
    frmAnteprimaGrafica* preview = window->anteprima();
    const std::size_t shownBefore = fakes.prompter.shown().size();
    const QString name = QDir(base.path()).filePath(QStringLiteral("fotogramma"));
    fakes.fileDialog.script(name);
    preview->mnuSalvaConNome_Click();
    ASSERT_EQ(fakes.fileDialog.filters, QStringList{"Immagini (*.tga)"});
    EXPECT_EQ(fakes.fileDialog.captions, QStringList{"Salva con nome"});
    EXPECT_TRUE(QFileInfo::exists(name + QStringLiteral(".tga")));
    EXPECT_FALSE(QFileInfo::exists(name));
    EXPECT_GT(QFileInfo(name + QStringLiteral(".tga")).size(), 720 * 576 * 4);

    // A name ending in a dot, or with the suffix typed, is not given a second one.
    for (const QString& typed : {QStringLiteral("punto."), QStringLiteral("con.tga")}) {
        fakes.fileDialog.script(QDir(base.path()).filePath(typed));
        preview->mnuSalvaConNome_Click();
    }
    EXPECT_TRUE(QFileInfo::exists(QDir(base.path()).filePath(QStringLiteral("punto.tga"))));
    EXPECT_TRUE(QFileInfo::exists(QDir(base.path()).filePath(QStringLiteral("con.tga"))));
    EXPECT_FALSE(QFileInfo::exists(QDir(base.path()).filePath(QStringLiteral("con.tga.tga"))));

    // A cancelled dialog saves nothing and says nothing.
    preview->mnuSalvaConNome_Click();
    EXPECT_EQ(fakes.prompter.shown().size(), shownBefore);
}

TEST_F(PreviewSave, AFailedSaveIsToldToTheOperator) {
    ASSERT_TRUE(start());
    frmAnteprimaGrafica* preview = window->anteprima();
    const QString missingFolder = QDir(base.path()).filePath(QStringLiteral("manca/fotogramma"));
    const QString otherKind = QDir(base.path()).filePath(QStringLiteral("fotogramma.xyz"));
    const struct {
        QString typed;
        QString expectedStart;
    } cases[] = {
        {missingFolder, QStringLiteral("Immagine non salvata in %1.tga: Impossibile scrivere il file '%1.tga': ")
                            .arg(QDir::toNativeSeparators(missingFolder))},
        {otherKind, QStringLiteral("Immagine non salvata in %1: Formato di immagine non gestito: '%1'")
                        .arg(QDir::toNativeSeparators(otherKind))},
    };
    for (const auto& c : cases) {
        fakes.prompter.clear();
        fakes.fileDialog.script(c.typed);
        preview->mnuSalvaConNome_Click();
        ASSERT_EQ(fakes.prompter.shown().size(), 1u) << c.typed.toStdString();
        EXPECT_TRUE(fakes.prompter.shown()[0].text.startsWith(c.expectedStart))
            << fakes.prompter.shown()[0].text.toStdString();
        EXPECT_EQ(fakes.prompter.shown()[0].icon, PromptIcon::Critical);
        EXPECT_EQ(fakes.prompter.shown()[0].buttons, PromptButtons::Ok);
    }
    EXPECT_FALSE(QFileInfo::exists(otherKind));
}

using razudar::testing::FailingWrites;
using razudar::testing::fileBytes;
using razudar::testing::WriteFault;

struct PreviewSaveFailure : PreviewSave {
    void expectEarlierPictureKept(WriteFault fault) {
        ASSERT_TRUE(start());
        frmAnteprimaGrafica* preview = window->anteprima();
        FailingWrites writes(fault, 0);
        ASSERT_TRUE(writes.ready()) << writes.why().toStdString();
        const QString file = writes.filePath(QStringLiteral("fotogramma.tga"));
        fakes.fileDialog.script(file);
        preview->mnuSalvaConNome_Click();
        const QByteArray earlier = fileBytes(file);
        ASSERT_GT(earlier.size(), 720 * 576 * 4);

        fakes.prompter.clear();
        writes.arm();
        ASSERT_TRUE(writes.ready()) << writes.why().toStdString();
        fakes.fileDialog.script(file);
        preview->mnuSalvaConNome_Click();
        writes.disarm();
        const QString shown = QDir::toNativeSeparators(file);
        EXPECT_EQ(fakes.prompter.texts(),
                  QStringList{QStringLiteral("Immagine non salvata in %1: Impossibile scrivere il file '%2': %3")
                                  .arg(shown, file, writes.expectedReason())});
        EXPECT_EQ(fileBytes(file), earlier);
        EXPECT_EQ(writes.entries(), QStringList{QStringLiteral("fotogramma.tga")});
    }
};

TEST_F(PreviewSaveFailure, AFullDiskKeepsTheEarlierPictureAndIsToldInItalian) {
    const FailingWrites probe(WriteFault::FullDisk, 0);
    if (!probe.ready()) GTEST_SKIP() << probe.why().toStdString();
    expectEarlierPictureKept(WriteFault::FullDisk);
}

TEST_F(PreviewSaveFailure, AWritePastTheFileSizeLimitKeepsTheEarlierPictureAndIsToldInItalian) {
    expectEarlierPictureKept(WriteFault::FileSizeLimit);
}

}  // namespace
}  // namespace razudar::apptest
