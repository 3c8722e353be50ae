// The words of each piece of artwork, as drawn by the artwork generator, and its pictures.
#include "windows/artwork.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

#include "toolkit/interface_language.h"

QString artworkWords(const QString& resourcePath) {
    static const QHash<QString, const char*> words = {
        {QStringLiteral("title_mp3"), QT_TRANSLATE_NOOP("Artwork", "MP3")},
        {QStringLiteral("title_cds_completos"), QT_TRANSLATE_NOOP("Artwork", "CDs Completos")},
        {QStringLiteral("title_conteudo_do_cd"), QT_TRANSLATE_NOOP("Artwork", "Conteúdo do CD")},
        {QStringLiteral("title_pesquisa_de_mp3"), QT_TRANSLATE_NOOP("Artwork", "Pesquisa de MP3")},
        {QStringLiteral("title_novo_mp3"), QT_TRANSLATE_NOOP("Artwork", "Novo MP3")},
        {QStringLiteral("title_novo_album"), QT_TRANSLATE_NOOP("Artwork", "Novo Álbum")},
        {QStringLiteral("title_ler_cd"), QT_TRANSLATE_NOOP("Artwork", "Ler CD")},
        {QStringLiteral("caption_presente_no_cd"),
         QT_TRANSLATE_NOOP("Artwork", "Presente no CD nº")},
        {QStringLiteral("caption_texto_a_procurar"),
         QT_TRANSLATE_NOOP("Artwork", "Texto a Procurar")},
        {QStringLiteral("caption_mp3_encontrados"),
         QT_TRANSLATE_NOOP("Artwork", "MP3 Encontrados")},
        {QStringLiteral("caption_cds_encontrados"),
         QT_TRANSLATE_NOOP("Artwork", "CDs Encontrados")},
        {QStringLiteral("caption_musicas_do_cd"), QT_TRANSLATE_NOOP("Artwork", "Músicas do CD")},
        {QStringLiteral("caption_nome_do_artista"),
         QT_TRANSLATE_NOOP("Artwork", "Nome do Artista")},
        {QStringLiteral("caption_nome_do_album"), QT_TRANSLATE_NOOP("Artwork", "Nome do Álbum")},
        {QStringLiteral("caption_cd_no"), QT_TRANSLATE_NOOP("Artwork", "CD nº")},
        {QStringLiteral("caption_introduza_os_mp3"),
         QT_TRANSLATE_NOOP("Artwork", "Introduza os MP3 (um por linha)")},
        {QStringLiteral("button_play"), QT_TRANSLATE_NOOP("Artwork", "PLAY !")},
        {QStringLiteral("button_procurar"), QT_TRANSLATE_NOOP("Artwork", "PROCURAR")},
    };
    const qsizetype slash = resourcePath.lastIndexOf(u'/');
    QString name = resourcePath.mid(slash + 1);
    if (name.endsWith(QLatin1String(".jpg"))) name.chop(4);
    const char* source = words.value(name);
    return source != nullptr ? QCoreApplication::translate("Artwork", source) : QString();
}

tk::Picture* artworkPicture(QWidget* parent, const char* name, const char* artwork, tk::Box box,
                            tk::Fit fit, tk::Cursor cursor) {
    // The pictures with words come in English too; those without words serve both languages.
    QString resource = QStringLiteral(":/artwork/en/%1.jpg").arg(QLatin1String(artwork));
    if (tk::interfaceLanguage() != tk::Language::English || !QFile::exists(resource))
        resource = QStringLiteral(":/artwork/%1.jpg").arg(QLatin1String(artwork));
    return tk::makePicture(parent, name, resource, artworkWords(resource), box, fit, cursor);
}
