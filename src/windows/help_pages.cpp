// The four help pages, line by line as the help window shows them (UTF-8 source).
#include "windows/help_pages.h"

#include <array>

namespace {

// Many lines end in one blank: it is part of the line and must stay.
const char* const kGeral[] = {
    "BEM VINDO !!",
    "------------------------------------------------------------------",
    "",
    "Este é um programa criado para gerir mais facilmente as ",
    "vossas listas de MP3 sem passar pelas fastidiosas ",
    "\"playlists\" do Winamp e outros programas ",
    "semelhantes...",
    "",
    "Aqui podem acrescentar MP3 e álbuns á vossa lista, ",
    "assim ",
    "como procurar por uma determinada música que exista ",
    "na ",
    "vossa  colecção.",
    "",
    "Do mesmo modo, podem ouvir qualquer música da ",
    "vossa ",
    "colecção desde que tenham configurado o caminho ",
    "onde ",
    "têm o Winamp ou outro leitor de MP3, assim como a ",
    "unidade ",
    "de CD-ROM onde vão ser inseridos os CDs com os MP3.",
    "",
    "\"DISCLAIMER\"",
    "",
    "Este programa foi desenhado apenas com o intuito de ",
    "ser uma ferramenta útil. Qualquer dano que possa ",
    "provocar em algum computador não é da minha ",
    "responsabilidade. ",
    "Quaisquer bugs / ideias / sugestões podem ser ",
    "enviados para:",
    "-------------------------------------",
    "mp3search@example.org",
    "-------------------------------------",
    "",
    "Além disso, se considerarem que este programa vos foi ",
    "útil de algum modo um simples mail de apreço também ",
    "seria agradável... :)",
};

const char* const kListas[] = {
    "L I S T A S",
    "------------------------------------------------------------------",
    "",
    "Na lista designada por \"MP3\" (à esquerda) aparecem ",
    "todos os vossos MP3 que estão \"isolados\", ou seja, não ",
    "pertencem a nenhum CD.",
    "",
    "À direita, na parte superior direita, surge uma listagem de ",
    "todos os CDs da vossa colecção. Clicando sobre um ",
    "deles, surge na janela inferior a essa o conteúdo do CD ",
    "respectivo.",
    "",
    "Debaixo de cada listagem (MP3 e CDs Completos) surge ",
    "a legenda \"PRESENTE NO Nº\". Quando se clica numa ",
    "música da listagem, à frente desta legenda surge o ",
    "número do CD em que se encontra a música. Isto é ",
    "bastante útil para colecções de MP3 muito extensas.",
    "",
    "Ao fazer duplo clique em qualquer música (ou ",
    "carregando no botão de PLAY!) que está por debaixo de ",
    "cada janela) pode-se ouvir a música em questão, ",
    "supondo que se configurou o programa e que o CD ",
    "respectivo está introduzido na unidade de CD-ROM.",
};

const char* const kProcurar[] = {
    "P R O C U R A",
    "------------------------------------------------------------------",
    "",
    " Aqui, o utilizador pode introduzir no local de procura o ",
    "texto a procurar. Note-se que, relativamente ao texto ",
    "introduzido, os resultados da pesquisa podem ter, ",
    "igualmente, o texto de procura encontrado no MEIO das ",
    "músicas.",
    "Ex:",
    "",
    " Como texto a procurar, introduzimos \"MAD\".",
    " Alguns resultados possíveis seriam:",
    "",
    "      Madonna - Ray of Light",
    "      Savage Garden - Truly Madly Deeply",
    "      ...",
    "",
    " Os resultados da pesquisa estão acompanhados da ",
    "indicação do CD a que pertencem as músicas/CDs ",
    "encontrados, assim como a possibilidade de pôr a tocar ",
    "a música respectiva.",
};

const char* const kAlterar[] = {
    "A L T E R A Ç Õ E S",
    "------------------------------------------------------------------",
    "",
    "Aqui podem-se introduzir novas músicas e CDs à ",
    "colecção conforme a opção que se escolheu (Menu ",
    "Alterar -> Novo MP3 / Novo Álbum).",
    "",
    "NOVO MP3",
    "-----------------",
    " Aparece um quadro onde se podem introduzir os MP3 ",
    "devidamente espaçados e um por linha. A vantagem de ",
    "utilizar um quadro destes é que permite fazer ",
    "COPY-PASTE das listas para o programa, evitando a ",
    "fastidiosa tarefa de introduzir as músicas todas à mão. ",
    "Também se pode introduzir aqui o CD a que as músicas ",
    "em questão pertencem para mais fácil armazenamento.",
    " Para fazer PASTE no programa, coloquem o cursor ",
    "dentro do quadro e primam simultaneamente em ",
    "CTRL+V.",
    "",
    "NOVO ÁLBUM",
    "----------------------",
    " É bastante semelhante à opção de cima, excepto que ",
    "aqui surgem mais dois campos para preencher com o ",
    "nome do artista e o nome do álbum.",
    "",
    "Ao carregar no botão de GRAVAR, as músicas ",
    "introduzidas desaparecem, caso se queira introduzir ",
    "mais músicas sem voltar ao écran inicial. Quando o ",
    "utilizador fecha esta janela, os dados da lista são ",
    "instantâneamente actualizados.",
};

template <std::size_t N>
QStringList toList(const char* const (&lines)[N]) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(N));
    for (const char* line : lines) list << QString::fromUtf8(line);
    return list;
}

}  // namespace

const QStringList& helpPage(HelpPage page) {
    static const std::array<QStringList, 4> pages = {toList(kGeral), toList(kListas),
                                                     toList(kProcurar), toList(kAlterar)};
    return pages[static_cast<std::size_t>(page)];
}
