// SPDX-License-Identifier: GPL-3.0-or-later
#include "tlsserver.h"

#include <QFile>
#include <QSslConfiguration>
#include <QSslSocket>

namespace {

QByteArray dataFile(const QString &name)
{
    QFile file(QStringLiteral(TAVLO_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(file.fileName()));
    return file.readAll();
}

}

TlsServer::TlsServer(const QString &certName)
    : m_certificate(dataFile(certName + QStringLiteral(".crt")), QSsl::Pem)
    , m_key(dataFile(certName + QStringLiteral(".key")), QSsl::Rsa, QSsl::Pem)
{
    listen(QHostAddress::LocalHost, 0);
}

void TlsServer::answer(const QByteArray &body, const QByteArray &status)
{
    m_mode = Mode::Answer;
    m_body = body;
    m_status = status;
}

QString TlsServer::endpoint() const
{
    return QStringLiteral("https://127.0.0.1:%1/tavlo/getLastStable.php").arg(serverPort());
}

void TlsServer::trustTestCertificate()
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    QList<QSslCertificate> authorities = configuration.caCertificates();
    authorities << QSslCertificate(dataFile(QStringLiteral("server.crt")), QSsl::Pem);
    configuration.setCaCertificates(authorities);
    QSslConfiguration::setDefaultConfiguration(configuration);
}

void TlsServer::incomingConnection(qintptr descriptor)
{
    auto *socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    socket->setLocalCertificate(m_certificate);
    socket->setPrivateKey(m_key);
    socket->setProtocol(m_protocol);
    auto *request = new QByteArray;
    connect(socket, &QSslSocket::readyRead, this, [this, socket, request] {
        request->append(socket->readAll());
        if (!request->contains("\r\n\r\n"))
            return;
        m_requests << request->left(request->indexOf("\r\n"));
        request->clear();
        if (m_mode == Mode::Stall)
            return;
        QByteArray body = m_body;
        // A usable answer buried in a body far larger than any answer needs.
        if (m_mode == Mode::Huge)
            body += QByteArray(4 * 1024 * 1024, 'x');
        socket->write("HTTP/1.1 " + m_status + "\r\nContent-Type: text/plain\r\nContent-Length: "
                      + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    });
    connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QObject::destroyed, this, [request] { delete request; });
    socket->startServerEncryption();
}
