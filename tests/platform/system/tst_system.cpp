#include "platform/system/async.h"
#include "platform/system/exception.h"
#include "platform/system/folders.h"
#include "platform/system/inifile.h"
#include "platform/system/processend.h"
#include "platform/system/shellopen.h"
#include "tests/support/tempfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QThread>
#include <QtTest>
#include <atomic>
#include <sys/stat.h>

namespace {
struct ProcessEnded
{
};
} // namespace

class SystemTest : public QObject
{
    Q_OBJECT

private:
    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void foldersFollowXdg()
    {
        TempFolders home;
        QCOMPARE(documentsFolder(), home.documents());
        QCOMPARE(roamingConfigFolder(), home.configHome());
        QCOMPARE(localAppDataFolder(), home.dataHome());
    }

    void iniWritesUtf8KeysLiterally()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/ravla/ayar.ini");
        {
            TIniFile ini(path);
            ini.WriteString(QStringLiteral("kullanici"), QStringLiteral("isim"), QStringLiteral("ŞÜKRÜ"));
            ini.WriteString(QStringLiteral("kullanici"), QStringLiteral("sifre"), QStringLiteral("gizli=1"));
            ini.WriteBool(QStringLiteral("kullanici"), QStringLiteral("hatırla"), true);
        }
        const QByteArray text = readAll(path);
        QVERIFY(text.contains("[kullanici]"));
        QVERIFY(text.contains(QStringLiteral("hatırla=1").toUtf8()));
        QVERIFY(text.contains(QStringLiteral("isim=ŞÜKRÜ").toUtf8()));

        TIniFile again(path);
        QCOMPARE(again.ReadString(QStringLiteral("kullanici"), QStringLiteral("isim"), QString()),
                 QStringLiteral("ŞÜKRÜ"));
        QCOMPARE(again.ReadString(QStringLiteral("kullanici"), QStringLiteral("sifre"), QString()),
                 QStringLiteral("gizli=1"));
        QCOMPARE(again.ReadBool(QStringLiteral("kullanici"), QStringLiteral("hatırla"), false), true);
        QCOMPARE(again.ReadString(QStringLiteral("KULLANICI"), QStringLiteral("ISIM"), QString()),
                 QStringLiteral("ŞÜKRÜ"));
        QCOMPARE(again.ReadString(QStringLiteral("kullanici"), QStringLiteral("yok"),
                                  QStringLiteral("varsayılan")),
                 QStringLiteral("varsayılan"));
        QCOMPARE(again.ReadInteger(QStringLiteral("kullanici"), QStringLiteral("isim"), 42), 42);
        QCOMPARE(again.ReadSection(QStringLiteral("kullanici")),
                 QStringList({"isim", "sifre", QStringLiteral("hatırla")}));
    }

    void iniIsPrivateAndReplacedAtomically()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/ayar.ini");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("[kullanici]\r\nisim=eski\r\n");
        old.close();
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadGroup | QFileDevice::ReadOther));
        struct stat before = {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);

        TIniFile ini(path);
        ini.WriteString(QStringLiteral("kullanici"), QStringLiteral("sifre"), QStringLiteral("1234"));

        struct stat after = {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
        QCOMPARE(after.st_mode & 0777, mode_t(0600));
        QVERIFY(after.st_ino != before.st_ino); // a new file renamed over the old one
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("ayar.ini")});
        QCOMPARE(readAll(path), QByteArray("[kullanici]\r\nisim=eski\r\nsifre=1234\r\n\r\n"));
    }

    void iniReadsBomAndIgnoresJunk()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/a.ini");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\xEF\xBB\xBF; yorum\nyetim=1\n[kullanici]\n  isim = ali  \nbozuk satir\nisim=ikinci\n");
        f.close();
        TIniFile ini(path);
        QCOMPARE(ini.ReadString(QStringLiteral("kullanici"), QStringLiteral("isim"), QString()),
                 QStringLiteral("ali"));
        QVERIFY(!ini.ValueExists(QStringLiteral("kullanici"), QStringLiteral("yetim")));
        QVERIFY(ini.SectionExists(QStringLiteral("kullanici")));
        ini.DeleteKey(QStringLiteral("kullanici"), QStringLiteral("isim"));
        QVERIFY(!TIniFile(path).ValueExists(QStringLiteral("kullanici"), QStringLiteral("isim")));
    }

    void iniKeepsValuesAsWritten_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("plain") << QStringLiteral("gizli") << QByteArray("sifre=gizli\r\n");
        QTest::newRow("leading space") << QStringLiteral(" gizli") << QByteArray("sifre=\" gizli\"\r\n");
        QTest::newRow("trailing space") << QStringLiteral("gizli ") << QByteArray("sifre=\"gizli \"\r\n");
        QTest::newRow("tabs") << QStringLiteral("\tgizli\t") << QByteArray("sifre=\"\tgizli\t\"\r\n");
        QTest::newRow("line break") << QStringLiteral("giz\nli\n") << QByteArray("sifre=\"giz li \"\r\n");
        QTest::newRow("in quotes") << QStringLiteral("\"gizli\"") << QByteArray("sifre=\"\"gizli\"\"\r\n");
        QTest::newRow("in single quotes") << QStringLiteral("'gizli'") << QByteArray("sifre=\"'gizli'\"\r\n");
        QTest::newRow("one quote") << QStringLiteral("\"") << QByteArray("sifre=\"\r\n");
        QTest::newRow("empty") << QString() << QByteArray("sifre=\r\n");
    }

    // Lines are trimmed on reading: a password with spaces at its ends must still come back whole.
    void iniKeepsValuesAsWritten()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, line);
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/ayar.ini");
        TIniFile(path).WriteString(QStringLiteral("kullanici"), QStringLiteral("sifre"), value);
        QVERIFY(readAll(path).contains(line));
        QString expected = value;
        expected.replace(u'\n', u' ');
        QCOMPARE(TIniFile(path).ReadString(QStringLiteral("kullanici"), QStringLiteral("sifre"),
                                           QStringLiteral("?")),
                 expected);
    }

    void iniReadsQuotedValues()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/a.ini");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[kullanici]\nisim = \" ali \"\nsifre='x'\nbir=\"\nyarim=\"a'\n");
        f.close();
        const TIniFile ini(path);
        QCOMPARE(ini.ReadString(QStringLiteral("kullanici"), QStringLiteral("isim"), QString()),
                 QStringLiteral(" ali "));
        QCOMPARE(ini.ReadString(QStringLiteral("kullanici"), QStringLiteral("sifre"), QString()),
                 QStringLiteral("x"));
        QCOMPARE(ini.ReadString(QStringLiteral("kullanici"), QStringLiteral("bir"), QString()),
                 QStringLiteral("\""));
        QCOMPARE(ini.ReadString(QStringLiteral("kullanici"), QStringLiteral("yarim"), QString()),
                 QStringLiteral("\"a'"));
    }

    void iniWriteFailureRaises()
    {
        QTemporaryDir dir;
        const QString blocker = dir.path() + QStringLiteral("/dosya");
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        TIniFile ini(blocker + QStringLiteral("/ayar.ini")); // its folder is a file
        QVERIFY_THROWS_EXCEPTION(EIniFileException, ini.WriteString(QStringLiteral("a"), QStringLiteral("b"),
                                                                    QStringLiteral("c")));
    }

    void iniMissingFileReadsDefaults()
    {
        TIniFile ini(QStringLiteral("/nonexistent/ravla/ayar.ini"));
        QCOMPARE(ini.ReadString(QStringLiteral("kullanici"), QStringLiteral("isim"), QStringLiteral("x")),
                 QStringLiteral("x"));
        QCOMPARE(ini.ReadBool(QStringLiteral("kullanici"), QStringLiteral("hatırla"), false), false);
    }

    void asyncRunsStepOnWorkerThenContinuationOnWindowThread()
    {
        QThread *stepThread = nullptr;
        QThread *continuationThread = nullptr;
        std::atomic<bool> stepDone{false};
        bool stepDoneBeforeContinuation = false;
        bool returnedAtOnce = false;
        QSemaphore release;
        Async([&] {
            release.acquire(); // the step cannot finish before Await returned
            stepThread = QThread::currentThread();
            stepDone = true;
        })->Await([&] {
            continuationThread = QThread::currentThread();
            stepDoneBeforeContinuation = stepDone;
        });
        returnedAtOnce = continuationThread == nullptr;
        release.release();
        QTRY_VERIFY(continuationThread != nullptr);
        QVERIFY(returnedAtOnce);
        QVERIFY(stepThread != QThread::currentThread());
        QCOMPARE(continuationThread, QThread::currentThread());
        QVERIFY(stepDoneBeforeContinuation);
    }

    void asyncRunsTwoConcurrently()
    {
        QSemaphore first;
        QSemaphore second;
        int finished = 0;
        // Each step waits for the other: only concurrent steps can both finish.
        Async([&] {
            second.release();
            first.acquire();
        })->Await([&] { ++finished; });
        Async([&] {
            first.release();
            second.acquire();
        })->Await([&] { ++finished; });
        QTRY_COMPARE(finished, 2);
    }

    void awaitDropsContinuationOfGoneContext()
    {
        auto *context = new QObject;
        QSemaphore release;
        std::atomic<bool> stepDone{false};
        bool ran = false;
        Async([&] {
            release.acquire();
            stepDone = true;
        })->Await(context, [&] { ran = true; });
        delete context;
        release.release();
        QTRY_VERIFY(stepDone);
        QTest::qWait(50);
        QVERIFY(!ran);
    }

    void synchronizeRunsOnWindowThreadAndWaits()
    {
        QThread *ranOn = nullptr;
        std::atomic<bool> workerSawResult{false};
        int value = 0;
        Async([&] {
            Synchronize([&] {
                ranOn = QThread::currentThread();
                value = 7;
            });
            workerSawResult = value == 7;
        })->Await([] {});
        QTRY_VERIFY(workerSawResult);
        QCOMPARE(ranOn, QThread::currentThread());
    }

    void paintingWhileStepsWaitInSynchronize()
    {
        // Steps waiting for the window thread must not hold threads Qt's painting waits for.
        const int steps = QThread::idealThreadCount() + 2;
        std::atomic<int> finished{0};
        for (int i = 0; i < steps; ++i)
            Async([&] { Synchronize([] {}); })->Await([&] { ++finished; });
        QTest::qSleep(100); // let them reach Synchronize
        QImage image(1600, 1600, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::blue);
        painter.drawEllipse(QRectF(10, 10, 1500, 1500));
        painter.end();
        const QImage scaled = image.scaled(3000, 3000, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(scaled.width(), 3000);
        QTRY_COMPARE(finished.load(), steps);
    }

    void synchronizeOnWindowThreadRunsAtOnce()
    {
        bool ran = false;
        Synchronize([&] { ran = true; });
        QVERIFY(ran);
    }

    void synchronizeHandsErrorBackToWorker()
    {
        std::atomic<bool> caught{false};
        Async([&] {
            try {
                Synchronize([] { throw EConvertError(QStringLiteral("bozuk")); });
            } catch (const EConvertError &e) {
                caught = e.Message() == QStringLiteral("bozuk");
            }
        })->Await([] {});
        QTRY_VERIFY(caught);
    }

    void anonymousThreadRunsFreely()
    {
        std::atomic<bool> ran{false};
        std::atomic<bool> otherThread{false};
        QThread *window = QThread::currentThread();
        CreateAnonymousThread([&] {
            otherThread = QThread::currentThread() != window;
            ran = true;
            throw Exception(QStringLiteral("dropped"));
        });
        QTRY_VERIFY(ran);
        QVERIFY(otherThread);
    }

    void processEndIsReplaceable()
    {
        int calls = 0;
        const auto previous = setProcessEndHandler([&] {
            ++calls;
            throw ProcessEnded();
        });
        QVERIFY_THROWS_EXCEPTION(ProcessEnded, ProgramiSonlandir());
        QCOMPARE(calls, 1);
        setProcessEndHandler(previous);
    }

    void processEndExitsWithZero()
    {
        // The real thing, in a child process: it must end at once with code 0 and skip atexit work.
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("-endchild")});
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QVERIFY(!child.readAllStandardOutput().contains("atexit ran"));
    }

    void shellOpenGoesThroughHandler_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QUrl>("expected");
        QTest::newRow("web address") << "http://www.example.com/"
                                     << QUrl(QStringLiteral("http://www.example.com/"));
        QTest::newRow("pdf path") << "/tmp/belgeler/rapor1234.pdf"
                                  << QUrl::fromLocalFile(QStringLiteral("/tmp/belgeler/rapor1234.pdf"));
    }

    void shellOpenGoesThroughHandler()
    {
        QFETCH(QString, target);
        QFETCH(QUrl, expected);
        QList<QUrl> opened;
        const auto previous = setShellOpenHandler([&](const QUrl &url) {
            opened << url;
            return true;
        });
        QVERIFY(ShellOpen(target));
        setShellOpenHandler(previous);
        QCOMPARE(opened, QList<QUrl>{expected});
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "-endchild") == 0) {
        std::atexit([] { std::puts("atexit ran"); });
        std::fflush(stdout);
        ProgramiSonlandir();
        return 3;
    }
    QGuiApplication app(argc, argv);
    SystemTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_system.moc"
