#include "soundtable.h"

#include "core/contentcatalog.h"

const std::array<SoundEffect, SoundCount> &soundTable()
{
    static const std::array<SoundEffect, SoundCount> table { {
        { QStringLiteral("Backfiring"), QStringLiteral("backfrng.wav") },
        { QStringLiteral("Car Door"), QStringLiteral("car_door.wav") },
        { QStringLiteral("Car Horns"), QStringLiteral("carhorns.wav") },
        { QStringLiteral("Traffic"), QStringLiteral("horns.wav") },
        { QStringLiteral("Police Car"), QStringLiteral("cop-car.wav") },
        { QStringLiteral("Taxi Horns"), QStringLiteral("taxi.wav") },
        { QStringLiteral("Sport Car"), QStringLiteral("sportcar.wav") },
        { QStringLiteral("18 Wheeler"), QStringLiteral("18wheelr.wav") },
        { QStringLiteral("Race Car Takeoff"), QStringLiteral("peel-out.wav") },
        { QStringLiteral("At the Track"), QStringLiteral("Track2.wav") },
        { QStringLiteral("Race Car Passby"), QStringLiteral("nascar.wav") },
        { QStringLiteral("Race Car 1"), QStringLiteral("racecar.wav") },
        { QStringLiteral("Race Car 2"), QStringLiteral("indy-car.wav") },
        { QStringLiteral("Motorcycle"), QStringLiteral("mcycle.wav") },
        { QStringLiteral("Batmobile"), QStringLiteral("batmoble.wav") },
        { QStringLiteral("Mustang"), QStringLiteral("62mirral.wav") },
        { QStringLiteral("Tarvello"), QStringLiteral("63mirral.wav") },
        { QStringLiteral("Cars Starting"), QStringLiteral("mirralstart.wav") },
        { QStringLiteral("Passby"), QStringLiteral("passby.wav") },
        { QStringLiteral("Mirral C5"), QStringLiteral("mirral.wav") },
        { QStringLiteral("ZR-1 Starting"), QStringLiteral("zr1start.wav") },
        { QStringLiteral("Motorcycle 2"), QStringLiteral("motorcyc2.wav") },
        { QStringLiteral("Hot Rod"), QStringLiteral("hot_rod.wav") },
        { QStringLiteral("Red Light"), QStringLiteral("red_lght.wav") },
        { QStringLiteral("Mustang Mach I"), QStringLiteral("porche.wav") },
        { QStringLiteral("Ford Cobra"), QStringLiteral("stealth.wav") },
        { QStringLiteral("Stuck on Ice"), QStringLiteral("stuck.wav") },
        { QStringLiteral("Rev n' Run"), QStringLiteral("revnrun.wav") },
        { QStringLiteral("Going By"), QStringLiteral("goingby.wav") },
    } };
    return table;
}

QString soundPath(const QString &mediaRoot, int index)
{
    return mediaRoot + MediaFolders::Sounds + soundTable().at(index).fileName;
}
