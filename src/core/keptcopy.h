// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef KEPTCOPY_H
#define KEPTCOPY_H

#include <QByteArray>
#include <QString>

// The old bytes of a file being written in place, kept until the write is done. The copy is
// locked by the process that writes, and a companion file beside it (the copy's name and
// ".target") names the file it belongs to. So the next start can put back the bytes of a write
// that a kill cut short, and never touches the copy of a write that still runs.
class KeptCopy
{
public:
    KeptCopy() = default;
    // Unlocks the copy; its files stay.
    ~KeptCopy();
    KeptCopy(const KeptCopy &) = delete;
    KeptCopy &operator=(const KeptCopy &) = delete;

    // Keeps `bytes` in `folder` for `target`, a path with no links left to follow: the copy is
    // on the disk before its companion names the target.
    bool create(const QString &folder, const QString &target, const QByteArray &bytes, QString *reason);
    QString path() const { return m_path; }
    // The write is done, or undone: the copy goes.
    void remove();
    // The write failed and its old bytes could not be put back: the copy stays for the user,
    // and no later start puts it back over what the user does next.
    void release();

    // Puts back the old bytes of each write in `folder` whose process is gone, and removes the
    // copy. A file replaced or removed since is left as it is, and its copy stays for the user.
    // Returns how many files were put back.
    static int restoreOrphans(const QString &folder);

private:
    int m_fd = -1;
    QString m_path;
};

#endif
