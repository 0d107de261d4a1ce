#ifndef APPINFO_H
#define APPINFO_H

#include <QString>

// Identity of the program and of its vendor, shared by the About box, the update check and the
// new version dialog.
namespace AppInfo {

inline const char *versionString() { return "1.1.6"; }
constexpr int buildNumber = 27;

// The per-user settings store is opened with these two names (organisation first).
inline QString organisation() { return QStringLiteral("Merovane"); }
inline QString application() { return QStringLiteral("Tavlo"); }

// The host is fixed at build time (CMake cache variable TAVLO_VENDOR_HOST).
QString vendorHost();
QString productPage();
QString updateEndpoint();
// The endpoint's host without its first label ("www.vendor.org" gives "vendor.org").
QString vendorDomain();

// Tests aim the update check at a server of their own; the program itself never calls this.
void setUpdateEndpointForTesting(const QString &endpoint);

}

#endif
