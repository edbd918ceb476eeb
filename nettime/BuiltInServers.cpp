#include "nettime/BuiltInServers.h"

QStringList BuiltInServers()
{
    return {
        // NIST's Internet Time Service: the round-robin name first, then each site.
        QStringLiteral("time.nist.gov"),
        QStringLiteral("time-a-g.nist.gov"),
        QStringLiteral("time-b-g.nist.gov"),
        QStringLiteral("time-c-g.nist.gov"),
        QStringLiteral("time-d-g.nist.gov"),
        QStringLiteral("time-e-g.nist.gov"),
        QStringLiteral("time-a-wwv.nist.gov"),
        QStringLiteral("time-b-wwv.nist.gov"),
        QStringLiteral("time-c-wwv.nist.gov"),
        QStringLiteral("time-d-wwv.nist.gov"),
        QStringLiteral("time-e-wwv.nist.gov"),
        QStringLiteral("time-a-b.nist.gov"),
        QStringLiteral("time-b-b.nist.gov"),
        QStringLiteral("time-c-b.nist.gov"),
        QStringLiteral("time-d-b.nist.gov"),
        QStringLiteral("time-e-b.nist.gov"),
        QStringLiteral("utcnist.colorado.edu"),
        QStringLiteral("utcnist2.colorado.edu"),
        QStringLiteral("utcnist3.colorado.edu"),
        QStringLiteral("time-a.nist.gov"),
        QStringLiteral("time-b.nist.gov"),
        QStringLiteral("time-nw.nist.gov"),
        QStringLiteral("time-a.timefreq.bldrdoc.gov"),
        QStringLiteral("time-b.timefreq.bldrdoc.gov"),
        QStringLiteral("time-c.timefreq.bldrdoc.gov"),
        // Germany's national metrology institute.
        QStringLiteral("ptbtime1.ptb.de"),
        QStringLiteral("ptbtime2.ptb.de"),
        QStringLiteral("ptbtime3.ptb.de"),
        // The US Naval Observatory.
        QStringLiteral("tick.usno.navy.mil"),
        QStringLiteral("tock.usno.navy.mil"),
    };
}
