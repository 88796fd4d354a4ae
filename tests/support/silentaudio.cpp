#include "silentaudio.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

void useSilentAudioOutput()
{
    static QTemporaryDir dir; // lives until the process ends, like the libVLC instances
    const QString path = dir.filePath(QStringLiteral("null-audio.conf"));
    QFile conf(path);
    if (conf.open(QIODevice::WriteOnly | QIODevice::Truncate))
        conf.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n");
    conf.close();

    // Later files of the list override earlier ones; the system file keeps ALSA's own setup.
    const QString system = QStringLiteral("/usr/share/alsa/alsa.conf");
    const QString list = QFileInfo::exists(system) ? system + u':' + path : path;
    qputenv("ALSA_CONFIG_PATH", QFile::encodeName(list));
    // No sound server either (and none gets started), so libVLC goes straight to ALSA.
    qputenv("PULSE_SERVER", "unix:/nonexistent");
}
