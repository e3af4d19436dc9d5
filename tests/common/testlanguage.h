#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

// The program's translation of a language ("de_Deutsch"), installed while this lives; none for an empty
// name. The .qm files come beside the test by quellor_deploy_translations().
class Language
{
public:
    explicit Language(const QString &data)
    {
        const QString file = QCoreApplication::applicationDirPath() + QStringLiteral("/languages/quellor_") +
                             data + QStringLiteral(".qm");
        if (!data.isEmpty() && m_translator.load(file))
            QCoreApplication::installTranslator(&m_translator);
    }
    bool loaded() const { return !m_translator.isEmpty(); }

private:
    QTranslator m_translator;
};
