// SPDX-License-Identifier: GPL-3.0-or-later
// The update check: the request to the vendor's endpoint and what its answer leads to.
#include "gui/mainwindow/mainwindow.h"
#include "core/appinfo.h"
#include "gui/dialogs/newver.h"
#include "gui/language.h"
#include "core/updatereply.h"

#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QTimer>

namespace {

// Far more than a build number and a change log need; a larger answer is no answer.
constexpr qint64 MaxReplyBytes = 64 * 1024;

const char *const OversizedProperty = "tavloOversized";
const char *const TimedOutProperty = "tavloTimedOut";

}

void MainWindow::on_actionCheck_for_updates_triggered()
{
    m_interactive = true;
    sendUpdateRequest();
}

void MainWindow::sendUpdateRequest()
{
    if (m_requestSent && m_reply && m_reply->isRunning()) {
        QNetworkReply *running = m_reply;
        m_reply = nullptr;
        running->abort();
    }
    if (!m_network)
        m_network = new QNetworkAccessManager(this);

    m_updateUrl = QUrl::fromUserInput(AppInfo::updateEndpoint() + QStringLiteral("?req_build=")
                                      + QString::number(AppInfo::buildNumber));
    QNetworkRequest request(m_updateUrl);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    // TLS 1.2 at the least; a server that offers only newer versions is fine.
    tls.setProtocol(QSsl::TlsV1_2OrLater);
    request.setSslConfiguration(tls);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, 0);

    QNetworkReply *reply = m_network->get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::finished, this, &MainWindow::httpFinished);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > MaxReplyBytes || total > MaxReplyBytes) {
            reply->setProperty(OversizedProperty, true);
            reply->abort();
        }
    });
    // A server that stalls must not keep the request alive for the whole run.
    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, reply, [reply] {
        reply->setProperty(TimedOutProperty, true);
        reply->abort();
    });
    timer->start(AppInfo::updateTimeoutMs());
    m_requestSent = true;
}

void MainWindow::httpFinished()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    if (reply == m_reply)
        m_reply = nullptr;
    reply->deleteLater();

    const bool oversized = reply->property(OversizedProperty).toBool();
    const bool timedOut = reply->property(TimedOutProperty).toBool();
    const QNetworkReply::NetworkError error = reply->error();
    if (!oversized && (error != QNetworkReply::NoError || timedOut)) {
        if (!m_interactive || (error == QNetworkReply::OperationCanceledError && !timedOut))
            return;
        const QString text = timedOut ? tr("The server did not answer in time.")
                                      : scrubServerAddress(reply->errorString(), AppInfo::updateEndpoint());
        warn(tr("Internet Error"), text);
        return;
    }

    // Qt 5 reports a redirect it did not follow as no error: only a 2xx reply is an answer.
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const bool success = !status.isValid() || (status.toInt() >= 200 && status.toInt() < 300);
    UpdateReply answer;
    if (!oversized && success) {
        const QByteArray body = reply->read(MaxReplyBytes + 1);
        if (body.size() <= MaxReplyBytes)
            answer = parseUpdateReply(body);
    }
    if (answer.build > AppInfo::buildNumber) {
        auto *dialog = new NewVer(this);
        dialog->exec(&answer.changeLog, this);
        dialog->deleteLater();
    } else if (answer.build == AppInfo::buildNumber) {
        if (m_interactive)
            QMessageBox::information(this, tr("Update"),
                                     tr("Your Tavlo is up-to-date!<br>Current version: %1 build %2")
                                         .arg(localDigits(QLatin1String(AppInfo::versionString())), localNumber(AppInfo::buildNumber)),
                                     QMessageBox::Ok);
    } else if (answer.build == 0) {
        if (m_interactive)
            QMessageBox::warning(this, tr("Internet Error"), tr("Unknown server error"),
                                 QMessageBox::Ok);
    }
}
