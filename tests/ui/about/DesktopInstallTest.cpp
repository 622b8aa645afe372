#include "ui/widgets/ProgramIcon.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QString kRepository = QStringLiteral(QT_TESTCASE_SOURCEDIR "/..");

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs the installer for PREFIX with the user's data folder in the temporary folder.
int runInstaller(const QTemporaryDir& temp, const QString& prefix)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), temp.path() + QStringLiteral("/data"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("sh"),
                  {kRepository + QStringLiteral("/tools/install-desktop.sh"), prefix});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}
} // namespace

TEST(DesktopInstall, LauncherStartsTheInstalledProgramWhereverItLies)
{
    QTemporaryDir temp;
    // A folder name with a blank and quotes must reach the launcher as one argument.
    const QString prefix = temp.path() + QStringLiteral("/Kel vora \"1.7\"");
    ASSERT_TRUE(QDir().mkpath(prefix));
    QFile program(prefix + QStringLiteral("/kelvora"));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    ASSERT_EQ(runInstaller(temp, prefix), 0);

    const QString data = temp.path() + QStringLiteral("/data");
    const QStringList lines =
        QString::fromUtf8(readFile(data + QStringLiteral("/applications/kelvora.desktop")))
            .split(u'\n');
    EXPECT_EQ(lines.value(0), QStringLiteral("[Desktop Entry]"));
    EXPECT_TRUE(lines.contains(QStringLiteral("Exec=\"") + temp.path() +
                               QStringLiteral("/Kel vora \\\\\"1.7\\\\\"/kelvora\"")))
        << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("Path=") + prefix));
    EXPECT_TRUE(lines.contains(QStringLiteral("Icon=kelvora")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Name[zh_TW]=Kelvora 借還記錄")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Name[zh_HK]=Kelvora 借還記錄")));

    // Each size of the window's icon, drawn for it, where the desktop looks for that size.
    for (int size : ProgramIcon::Sizes) {
        SCOPED_TRACE(size);
        const QString installed =
            data + QStringLiteral("/icons/hicolor/%1x%1/apps/kelvora.png").arg(size);
        EXPECT_EQ(
            readFile(installed),
            readFile(kRepository + QStringLiteral("/resources/icons/kelvora-%1.png").arg(size)));
        EXPECT_EQ(QImage(installed).size(), QSize(size, size));
    }
    EXPECT_TRUE(QFile::exists(data + QStringLiteral("/icons/hicolor/scalable/apps/kelvora.svg")));

    // The desktop's own check of the entry, where it is installed.
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        return;
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(validator, {data + QStringLiteral("/applications/kelvora.desktop")});
    ASSERT_TRUE(validate.waitForFinished(30000));
    const std::string told = QString::fromUtf8(validate.readAll()).toStdString();
    EXPECT_EQ(validate.exitCode(), 0) << told;
    EXPECT_EQ(told, "") << "no warnings either";
}

TEST(DesktopInstall, RefusesAFolderWithoutTheProgram)
{
    QTemporaryDir temp;
    EXPECT_NE(runInstaller(temp, temp.path()), 0);
    EXPECT_FALSE(QDir(temp.path() + QStringLiteral("/data")).exists());
}
