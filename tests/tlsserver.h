// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TLSSERVER_H
#define TLSSERVER_H

#include <QByteArray>
#include <QList>
#include <QSslCertificate>
#include <QSslKey>
#include <QTcpServer>

// A real HTTPS server on 127.0.0.1 that answers every request the same configured way.
class TlsServer : public QTcpServer
{
public:
    enum class Mode { Answer, Stall, Huge };

    // certName: "server" (the certificate the tests trust) or "untrusted".
    explicit TlsServer(const QString &certName = QStringLiteral("server"));

    void answer(const QByteArray &body, const QByteArray &status = "200 OK");
    void setMode(Mode mode) { m_mode = mode; }
    // The TLS versions the server accepts.
    void setProtocol(QSsl::SslProtocol protocol) { m_protocol = protocol; }

    QString endpoint() const;
    QList<QByteArray> requests() const { return m_requests; }
    QSslCertificate certificate() const { return m_certificate; }

    // Makes the application trust the test certificate, as a real CA would be trusted.
    static void trustTestCertificate();

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    QSslCertificate m_certificate;
    QSslKey m_key;
    Mode m_mode = Mode::Answer;
    QSsl::SslProtocol m_protocol = QSsl::TlsV1_2OrLater;
    QByteArray m_body;
    QByteArray m_status = "200 OK";
    QList<QByteArray> m_requests;
};

#endif
