// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/appinfo.h"

#include <QUrl>
#include <algorithm>

namespace {
QString &endpointOverride()
{
    static QString endpoint;
    return endpoint;
}

int &timeoutMs()
{
    static int milliseconds = 30000;
    return milliseconds;
}
}

namespace AppInfo {

QString vendorHost()
{
    return QStringLiteral(TAVLO_VENDOR_HOST);
}

QString productPage()
{
    return QStringLiteral("https://") + vendorHost() + QStringLiteral("/en/tavlo/");
}

QString updateEndpoint()
{
    if (!endpointOverride().isEmpty())
        return endpointOverride();
    return QStringLiteral("https://") + vendorHost() + QStringLiteral("/tavlo/getLastStable.php");
}

QString vendorDomain()
{
    const QString host = QUrl(updateEndpoint()).host();
    const int dot = host.indexOf(QLatin1Char('.'));
    // A bare name or a numeric address has no label to drop; it is scrubbed whole.
    const bool numeric = host.contains(QLatin1Char(':'))
        || std::all_of(host.cbegin(), host.cend(), [](QChar c) { return c.isDigit() || c == QLatin1Char('.'); });
    if (dot < 0 || numeric)
        return host;
    return host.mid(dot + 1);
}

int updateTimeoutMs()
{
    return timeoutMs();
}

void setUpdateEndpointForTesting(const QString &endpoint)
{
    endpointOverride() = endpoint;
}

void setUpdateTimeoutForTesting(int milliseconds)
{
    timeoutMs() = milliseconds;
}

}
