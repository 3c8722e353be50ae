// The words of each piece of artwork, as drawn by the artwork generator, and its pictures.
#include "windows/artwork.h"

#include <QHash>

QString artworkWords(const QString& resourcePath) {
    static const QHash<QString, QString> words = {
        {QStringLiteral("title_mp3"), QStringLiteral("MP3")},
        {QStringLiteral("title_cds_completos"), QStringLiteral("CDs Completos")},
        {QStringLiteral("title_conteudo_do_cd"), QStringLiteral("Conteúdo do CD")},
        {QStringLiteral("title_pesquisa_de_mp3"), QStringLiteral("Pesquisa de MP3")},
        {QStringLiteral("title_novo_mp3"), QStringLiteral("Novo MP3")},
        {QStringLiteral("title_novo_album"), QStringLiteral("Novo Álbum")},
        {QStringLiteral("title_ler_cd"), QStringLiteral("Ler CD")},
        {QStringLiteral("caption_presente_no_cd"), QStringLiteral("Presente no CD nº")},
        {QStringLiteral("caption_texto_a_procurar"), QStringLiteral("Texto a Procurar")},
        {QStringLiteral("caption_mp3_encontrados"), QStringLiteral("MP3 Encontrados")},
        {QStringLiteral("caption_cds_encontrados"), QStringLiteral("CDs Encontrados")},
        {QStringLiteral("caption_musicas_do_cd"), QStringLiteral("Músicas do CD")},
        {QStringLiteral("caption_nome_do_artista"), QStringLiteral("Nome do Artista")},
        {QStringLiteral("caption_nome_do_album"), QStringLiteral("Nome do Álbum")},
        {QStringLiteral("caption_cd_no"), QStringLiteral("CD nº")},
        {QStringLiteral("caption_introduza_os_mp3"),
         QStringLiteral("Introduza os MP3 (um por linha)")},
        {QStringLiteral("button_play"), QStringLiteral("PLAY !")},
        {QStringLiteral("button_procurar"), QStringLiteral("PROCURAR")},
    };
    const qsizetype slash = resourcePath.lastIndexOf(u'/');
    QString name = resourcePath.mid(slash + 1);
    if (name.endsWith(QLatin1String(".jpg"))) name.chop(4);
    return words.value(name);
}

tk::Picture* artworkPicture(QWidget* parent, const char* name, const char* artwork, tk::Box box,
                            tk::Fit fit, tk::Cursor cursor) {
    const QString resource = QStringLiteral(":/artwork/%1.jpg").arg(QLatin1String(artwork));
    return tk::makePicture(parent, name, resource, artworkWords(resource), box, fit, cursor);
}
