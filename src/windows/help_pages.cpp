// The four help pages, line by line as the help window shows them (UTF-8 source).
#include "windows/help_pages.h"

#include <QCoreApplication>
#include <array>

namespace {

// One text a page, a line each: many lines end in one blank, which is part of the line and must
// stay.
const char* const kGeral =
    QT_TRANSLATE_NOOP("HelpPage",
                      "BEM VINDO !!\n"
                      "------------------------------------------------------------------\n"
                      "\n"
                      "Este é um programa criado para gerir mais facilmente as \n"
                      "vossas listas de MP3 sem passar pelas fastidiosas \n"
                      "\"playlists\" do Winamp e outros programas \n"
                      "semelhantes...\n"
                      "\n"
                      "Aqui podem acrescentar MP3 e álbuns á vossa lista, \n"
                      "assim \n"
                      "como procurar por uma determinada música que exista \n"
                      "na \n"
                      "vossa  colecção.\n"
                      "\n"
                      "Do mesmo modo, podem ouvir qualquer música da \n"
                      "vossa \n"
                      "colecção desde que tenham configurado o caminho \n"
                      "onde \n"
                      "têm o Winamp ou outro leitor de MP3, assim como a \n"
                      "unidade \n"
                      "de CD-ROM onde vão ser inseridos os CDs com os MP3.\n"
                      "\n"
                      "\"DISCLAIMER\"\n"
                      "\n"
                      "Este programa foi desenhado apenas com o intuito de \n"
                      "ser uma ferramenta útil. Qualquer dano que possa \n"
                      "provocar em algum computador não é da minha \n"
                      "responsabilidade. \n"
                      "Quaisquer bugs / ideias / sugestões podem ser \n"
                      "enviados para:\n"
                      "-------------------------------------\n"
                      "mp3search@example.org\n"
                      "-------------------------------------\n"
                      "\n"
                      "Além disso, se considerarem que este programa vos foi \n"
                      "útil de algum modo um simples mail de apreço também \n"
                      "seria agradável... :)");

const char* const kListas =
    QT_TRANSLATE_NOOP("HelpPage",
                      "L I S T A S\n"
                      "------------------------------------------------------------------\n"
                      "\n"
                      "Na lista designada por \"MP3\" (à esquerda) aparecem \n"
                      "todos os vossos MP3 que estão \"isolados\", ou seja, não \n"
                      "pertencem a nenhum CD.\n"
                      "\n"
                      "À direita, na parte superior direita, surge uma listagem de \n"
                      "todos os CDs da vossa colecção. Clicando sobre um \n"
                      "deles, surge na janela inferior a essa o conteúdo do CD \n"
                      "respectivo.\n"
                      "\n"
                      "Debaixo de cada listagem (MP3 e CDs Completos) surge \n"
                      "a legenda \"PRESENTE NO Nº\". Quando se clica numa \n"
                      "música da listagem, à frente desta legenda surge o \n"
                      "número do CD em que se encontra a música. Isto é \n"
                      "bastante útil para colecções de MP3 muito extensas.\n"
                      "\n"
                      "Ao fazer duplo clique em qualquer música (ou \n"
                      "carregando no botão de PLAY!) que está por debaixo de \n"
                      "cada janela) pode-se ouvir a música em questão, \n"
                      "supondo que se configurou o programa e que o CD \n"
                      "respectivo está introduzido na unidade de CD-ROM.");

const char* const kProcurar =
    QT_TRANSLATE_NOOP("HelpPage",
                      "P R O C U R A\n"
                      "------------------------------------------------------------------\n"
                      "\n"
                      " Aqui, o utilizador pode introduzir no local de procura o \n"
                      "texto a procurar. Note-se que, relativamente ao texto \n"
                      "introduzido, os resultados da pesquisa podem ter, \n"
                      "igualmente, o texto de procura encontrado no MEIO das \n"
                      "músicas.\n"
                      "Ex:\n"
                      "\n"
                      " Como texto a procurar, introduzimos \"MAD\".\n"
                      " Alguns resultados possíveis seriam:\n"
                      "\n"
                      "      Madonna - Ray of Light\n"
                      "      Savage Garden - Truly Madly Deeply\n"
                      "      ...\n"
                      "\n"
                      " Os resultados da pesquisa estão acompanhados da \n"
                      "indicação do CD a que pertencem as músicas/CDs \n"
                      "encontrados, assim como a possibilidade de pôr a tocar \n"
                      "a música respectiva.");

const char* const kAlterar =
    QT_TRANSLATE_NOOP("HelpPage",
                      "A L T E R A Ç Õ E S\n"
                      "------------------------------------------------------------------\n"
                      "\n"
                      "Aqui podem-se introduzir novas músicas e CDs à \n"
                      "colecção conforme a opção que se escolheu (Menu \n"
                      "Alterar -> Novo MP3 / Novo Álbum).\n"
                      "\n"
                      "NOVO MP3\n"
                      "-----------------\n"
                      " Aparece um quadro onde se podem introduzir os MP3 \n"
                      "devidamente espaçados e um por linha. A vantagem de \n"
                      "utilizar um quadro destes é que permite fazer \n"
                      "COPY-PASTE das listas para o programa, evitando a \n"
                      "fastidiosa tarefa de introduzir as músicas todas à mão. \n"
                      "Também se pode introduzir aqui o CD a que as músicas \n"
                      "em questão pertencem para mais fácil armazenamento.\n"
                      " Para fazer PASTE no programa, coloquem o cursor \n"
                      "dentro do quadro e primam simultaneamente em \n"
                      "CTRL+V.\n"
                      "\n"
                      "NOVO ÁLBUM\n"
                      "----------------------\n"
                      " É bastante semelhante à opção de cima, excepto que \n"
                      "aqui surgem mais dois campos para preencher com o \n"
                      "nome do artista e o nome do álbum.\n"
                      "\n"
                      "Ao carregar no botão de GRAVAR, as músicas \n"
                      "introduzidas desaparecem, caso se queira introduzir \n"
                      "mais músicas sem voltar ao écran inicial. Quando o \n"
                      "utilizador fecha esta janela, os dados da lista são \n"
                      "instantâneamente actualizados.");

// A page is translated whole (its lines need not match the source's), then split into lines.
QStringList toList(const char* page) {
    return QCoreApplication::translate("HelpPage", page).split(QLatin1Char('\n'));
}

}  // namespace

const QStringList& helpPage(HelpPage page) {
    static const std::array<QStringList, 4> pages = {toList(kGeral), toList(kListas),
                                                     toList(kProcurar), toList(kAlterar)};
    return pages[static_cast<std::size_t>(page)];
}
