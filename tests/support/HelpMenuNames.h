#pragma once

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

// A help file names a command by its menu path in bold: "<b>File, Save As</b>". The paths are
// checked against the menus as the window shows them: captions without accelerator marks, without
// a trailing "..." and without the shortcut.
namespace help_menu_names {

inline QString shownCaption(QString caption) {
    caption = caption.section(QLatin1Char('\t'), 0, 0);
    caption.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    if (caption.endsWith(QLatin1String("...")))
        caption.chop(3);
    return caption.trimmed();
}

inline void collectPaths(const QString& prefix, const QMenu& menu, QSet<QString>& paths) {
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        const QString caption = shownCaption(action->text());
        const QString path = prefix + QStringLiteral(", ") + caption;
        paths.insert(path);
        // A caption's remark in parentheses after two blanks ("Copy Graph As WMF Picture  (Best
        // Quality, ...)") is no part of the command's name.
        if (const qsizetype remark = caption.indexOf(QLatin1String("  (")); remark > 0)
            paths.insert(prefix + QStringLiteral(", ") + caption.left(remark));
        if (action->menu())
            collectPaths(path, *action->menu(), paths);
    }
}

// The menu paths of a help file that no menu of `menuBar` has.
inline QStringList pathsMissingFromMenus(const QString& helpFile, const QMenuBar& menuBar) {
    QSet<QString> paths;
    for (const QAction* action : menuBar.actions())
        if (action->menu())
            collectPaths(shownCaption(action->text()), *action->menu(), paths);
    QFile file(helpFile);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("(cannot read %1)").arg(helpFile)};
    const QString html = QString::fromUtf8(file.readAll());
    QStringList missing;
    static const QRegularExpression bold(QStringLiteral("<b>([^<,]+(?:, [^<,]+)+)</b>"));
    for (const QRegularExpressionMatch& match : bold.globalMatch(html))
        if (const QString path = match.captured(1).simplified(); !paths.contains(path))
            missing.append(path);
    return missing;
}

} // namespace help_menu_names
