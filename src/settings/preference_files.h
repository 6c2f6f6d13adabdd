#pragma once

#include <QString>

// setup.dat: the preferences, one 116-byte record.
struct PrefRecord
{
    static constexpr int Length = 116;
    static constexpr int StartHourWidth = 10;
    static constexpr int PathWidth = 50;

    qint16 RecNo = 0;
    // The texts as stored, padding kept: the sound program's command line includes it.
    QString StartHour; // for example "9" or "9 AM"
    qint16 StartupWindow = 0;
    qint16 PortIndex = 0; // 0 is "Port 1"
    QString SoundProgram;
    QString SoundFile;

    // The defaults a new setup.dat holds; only the start hour differs between its writers.
    static PrefRecord defaults(const QString &startHour);
};

// config.dat: the font the tool windows use, one record of 2076 bytes of fields.
struct ConfigRecord
{
    static constexpr int Length = 2076;
    // The main window writes its record one byte longer; the to-do window reads with 2078.
    static constexpr int MainWindowLength = 2077;

    qint16 RecNo = 0;
    qint16 BoldFlag = 0; // -1 when bold
    QString FontName;    // 30 characters
    qint16 FontSize = 0; // points
};

namespace PreferenceFiles {

QString setupFileName();
QString configFileName();

bool setupExists();
PrefRecord readSetup();
void writeSetup(const PrefRecord &prefs);

bool configExists();
ConfigRecord readConfig(int recordLength = ConfigRecord::Length);
void writeConfig(const ConfigRecord &config, int recordLength = ConfigRecord::Length);

} // namespace PreferenceFiles
