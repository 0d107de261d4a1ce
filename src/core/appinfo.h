// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef APPINFO_H
#define APPINFO_H

#include "core/buildconfig.h"

#include <QString>

// Identity of the program and of its vendor, shared by the About box, the update check and the
// new version dialog.
namespace AppInfo {

inline const char *versionString() { return TAVLO_VERSION; }
constexpr int buildNumber = TAVLO_BUILD_NUMBER;

// The per-user settings store is opened with these two names (organisation first).
inline QString organisation() { return QStringLiteral("Merovane"); }
inline QString application() { return QStringLiteral("Tavlo"); }

// The host is fixed at build time (CMake cache variable TAVLO_VENDOR_HOST).
QString vendorHost();
QString productPage();
QString updateEndpoint();

// How long an update request may take before it is given up.
int updateTimeoutMs();

// Tests aim the update check at a server of their own and shorten its time limit; the program
// itself never calls these.
void setUpdateEndpointForTesting(const QString &endpoint);
void setUpdateTimeoutForTesting(int milliseconds);

}

#endif
