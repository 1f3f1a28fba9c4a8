// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/prerendered_pictures.h"
#include "shell/class_folder.h"
#include "shell/deferred_sound_output.h"
#include "shell/display_platform.h"
#include "shell/qt_dialogs.h"
#include "shell/sound_player.h"
#include "shell/window_registry.h"
#include "solver/record_module.h"
#include "window_factories.h"

#include <QApplication>
#include <QDBusConnection>
#include <QLibraryInfo>
#include <QLocale>
#include <QThread>
#include <QTranslator>

#include <cstdio>
#include <thread>

namespace {

QtMessageHandler defaultMessageHandler = nullptr;

// Without a sound server the program is simply silent; Qt's complaint about it is not news.
void quietAboutMissingSound(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("PulseAudioService:")))
        return;
    defaultMessageHandler(type, context, message);
}

bool haveDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!haveDisplay()) {
        std::fprintf(stderr,
                     "quintavia: nessuno schermo disponibile (DISPLAY non impostato); "
                     "prova con: xvfb-run -a %s\n",
                     argc > 0 ? argv[0] : "quintavia");
        return 2;
    }
    // On a Wayland desktop with XWayland the windows stay on top, centred and without a close box
    // only as X11 windows.
    const QByteArray platform
        = quintavia::chooseQtPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), argc, argv);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    defaultMessageHandler = qInstallMessageHandler(quietAboutMissingSound);
    // Screen readers hear the program through the session bus. Qt connects to it while the start
    // window is built, the first time a widget asks whether anyone listens; where no bus runs yet,
    // D-Bus first launches one. Connecting on a second thread while QApplication sets up takes
    // that wait, 8 to 10 ms on a bare X server, off the time to the first window. This thread is
    // named first, so that Qt takes it, not the helper, for its main thread.
    QThread::currentThread();
    std::jthread busWarmUp([] { QDBusConnection::sessionBus(); });
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintavia"));
    QApplication::setApplicationVersion(QStringLiteral(QUINTAVIA_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quintavia"));
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    // Qt's own dialogs and buttons speak Italian.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    // --classe CARTELLA (or --classe=CARTELLA): this run's class folder, before the teacher's setting.
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        QString folder;
        if (argument == u"--classe")
            folder = arguments.value(++i);
        else if (argument.startsWith(u"--classe="))
            folder = argument.mid(9);
        else
            continue;
        if (folder.isEmpty()) {
            std::fprintf(stderr, "quintavia: --classe vuole una CARTELLA\n");
            return 2;
        }
        quintavia::setClassFolderForThisRun(folder);
    }

    busWarmUp.join();
    quintavia::ui::usePrerenderedPictures(quintavia::prerenderedPictures());
    quintavia::useRecordModule();
    quintavia::DeferredSoundOutput output([] { return quintavia::loadSoundModule(); });
    quintavia::SoundPlayer player(output);
    quintavia::QtDialogs dialogs;
    quintavia::WindowRegistry registry(player, dialogs);
    quintavia::registerWindowFactories(registry);

    QWidget* start = registry.load(quintavia::WindowKind::Start);
    start->show();
    output.preloadAfterFirstPaint(start);
    return QApplication::exec();
}
