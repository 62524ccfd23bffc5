// File > Recent input files: the last five input files loaded or saved, most
// recent first, kept in the settings and loaded like File > Load input.
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

#include "scripted_dialogs.h"
#include "ui/recent_files.h"

using namespace qelvorn;
using namespace qelvorn::ui;

class RecentFilesTest : public QObject, NewProject {
    Q_OBJECT

    QTemporaryDir dir;  // settings and files of the test, not the user's

    QString Tmp(const QString& name) { return dir.filePath(name); }
    QStringList MenuTexts() {
        QStringList texts;
        for (QAction* a : w->recentMenu()->actions()) texts << a->text();
        return texts;
    }
    // Loads a copy of an example under a name of its own.
    void Load(const QString& name) {
        QFile::remove(Tmp(name));
        QFile::copy(QELVORN_SOURCE_DIR "/examples/spread-lrfd-metric.in", Tmp(name));
        d.files = {Tmp(name)};
        w->LoadInput();
    }

private slots:
    void initTestCase() {
        QCoreApplication::setOrganizationName("qelvorn-test");
        QCoreApplication::setApplicationName("recent-files-test");
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    }
    void init() {
        QSettings().clear();
        Open();
    }
    void cleanup() { delete w; }

    void loadingAndSavingFillTheMenu() {
        QVERIFY(!w->recentMenu()->isEnabled());  // nothing used yet
        Load("a.in");
        d.files = {Tmp("saved.in")};
        w->SaveInputAs();
        QCOMPARE(MenuTexts(), QStringList({"&1 saved.in", "&2 a.in"}));
        QCOMPARE(w->recentMenu()->actions()[1]->toolTip(), Tmp("a.in"));
        // A file used again moves to the front, once; another spelling of
        // its path is the same file.
        d.files = {dir.path() + "/./a.in"};
        w->LoadInput();
        QCOMPARE(MenuTexts(), QStringList({"&1 a.in", "&2 saved.in"}));

        for (const char* name : {"b.in", "c.in", "d.in", "e.in", "f.in", "g.in"}) Load(name);
        const QStringList five({"&1 g.in", "&2 f.in", "&3 e.in", "&4 d.in", "&5 c.in"});
        QCOMPARE(MenuTexts(), five);
        // Kept in the settings: a new session lists them too.
        delete w;
        w = new MainWindow(p, d);
        QCOMPARE(MenuTexts(), five);
    }

    void choosingAnEntryLoadsIt() {
        Load("a.in");
        Load("b.in");
        p.Hw = 1;  // edited since
        w->recentMenu()->actions()[1]->trigger();  // "&2 a.in"
        QCOMPARE(p.InFile, Tmp("a.in").toStdString());
        QVERIFY(p.Hw > 1);
        QCOMPARE(w->statusPanel(1)->text(), QString("Input file = a.in"));
        QVERIFY(d.messages.empty());
        QCOMPARE(MenuTexts(), QStringList({"&1 a.in", "&2 b.in"}));  // used last: first

        // A file gone since: the load fails as File > Load input does and
        // the entry leaves the list; the project stays as it was.
        QVERIFY(QFile::remove(Tmp("b.in")));
        const float hw = p.Hw;
        w->recentMenu()->actions()[1]->trigger();
        QCOMPARE(d.messages.size(), std::size_t{1});
        QVERIFY(d.messages[0].text.startsWith("Error reading input file\n"));
        QCOMPARE(p.InFile, Tmp("a.in").toStdString());
        QCOMPARE(p.Hw, hw);
        QCOMPARE(MenuTexts(), QStringList({"&1 a.in"}));
    }
};

QTEST_MAIN(RecentFilesTest)
#include "recent_files_test.moc"
