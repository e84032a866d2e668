// A report export that cannot be written is never a success: on a full disk, or past a limit on
// file sizes, the report routine tells the operator why in Italian, and the earlier export of
// that name stays byte for byte (no empty or cut file in its place).
#include <QDir>

#include "platform/failing_writes.h"
#include "report_fixture.h"

namespace razudar::testing {
namespace {

struct Format {
    qint32 code;
    const char* extension;
};
constexpr Format kFormats[] = {{6, ".txt"}, {7, ".htm"}, {2, ".pdf"}, {3, ".xls"}};

class ReportExportFailure : public ReportTest {
protected:
    // Exports the demo start list to `name` in the folder of `writes`; what the operator was told.
    QStringList exportTo(const FailingWrites& writes, qint32 code) {
        race.fakes.prompter.clear();
        Call c{QString(), report, false, {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("GA"),
               QStringLiteral("1"), QStringLiteral("0")}, QString(), QString(), 0, code,
               writes.filePath(QStringLiteral("Lista"))};
        stampa(c);
        return race.fakes.prompter.texts();
    }

    void expectEarlierExportsKept(WriteFault fault) {
        for (const Format& format : kFormats) {
            SCOPED_TRACE(format.extension);
            FailingWrites writes(fault, 0);
            ASSERT_TRUE(writes.ready()) << writes.why().toStdString();
            const QString file = writes.filePath(QStringLiteral("Lista") + QLatin1String(format.extension));
            ASSERT_EQ(exportTo(writes, format.code), QStringList());
            const QByteArray earlier = fileBytes(file);
            ASSERT_GT(earlier.size(), 100);

            writes.arm();
            ASSERT_TRUE(writes.ready()) << writes.why().toStdString();
            const QStringList told = exportTo(writes, format.code);
            writes.disarm();
            EXPECT_EQ(told, QStringList{QStringLiteral("Esportazione del report non riuscita.\n%1: impossibile scrivere "
                                                       "il file: %2")
                                            .arg(QDir::toNativeSeparators(file), writes.expectedReason())});
            EXPECT_EQ(fileBytes(file), earlier);
            EXPECT_EQ(writes.entries(), QStringList{QFileInfo(file).fileName()});
        }
    }
};

TEST_F(ReportExportFailure, AFullDiskKeepsTheEarlierExportAndIsTold) {
    const FailingWrites probe(WriteFault::FullDisk, 0);
    if (!probe.ready()) GTEST_SKIP() << probe.why().toStdString();
    expectEarlierExportsKept(WriteFault::FullDisk);
}

TEST_F(ReportExportFailure, AWritePastTheFileSizeLimitKeepsTheEarlierExportAndIsTold) {
    expectEarlierExportsKept(WriteFault::FileSizeLimit);
}

}  // namespace
}  // namespace razudar::testing
