// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/appinfo.h"


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
