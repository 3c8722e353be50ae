<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_PT">
<context>
    <name>Artwork</name>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>CDs Completos</source>
        <translation>Complete CDs</translation>
    </message>
    <message>
        <source>Conteúdo do CD</source>
        <translation>CD Contents</translation>
    </message>
    <message>
        <source>Pesquisa de MP3</source>
        <translation>MP3 Search</translation>
    </message>
    <message>
        <source>Novo MP3</source>
        <translation>New MP3</translation>
    </message>
    <message>
        <source>Novo Álbum</source>
        <translation>New Album</translation>
    </message>
    <message>
        <source>Ler CD</source>
        <translation>Read CD</translation>
    </message>
    <message>
        <source>Presente no CD nº</source>
        <translation>On CD no.</translation>
    </message>
    <message>
        <source>Texto a Procurar</source>
        <translation>Text to Find</translation>
    </message>
    <message>
        <source>MP3 Encontrados</source>
        <translation>MP3s Found</translation>
    </message>
    <message>
        <source>CDs Encontrados</source>
        <translation>CDs Found</translation>
    </message>
    <message>
        <source>Músicas do CD</source>
        <translation>Songs on CD</translation>
    </message>
    <message>
        <source>Nome do Artista</source>
        <translation>Artist Name</translation>
    </message>
    <message>
        <source>Nome do Álbum</source>
        <translation>Album Name</translation>
    </message>
    <message>
        <source>CD nº</source>
        <translation>CD no.</translation>
    </message>
    <message>
        <source>Introduza os MP3 (um por linha)</source>
        <translation>Enter the MP3s (one per line)</translation>
    </message>
    <message>
        <source>PLAY !</source>
        <translation>PLAY !</translation>
    </message>
    <message>
        <source>PROCURAR</source>
        <translation>SEARCH</translation>
    </message>
</context>
<context>
    <name>CdNumber</name>
    <message>
        <source>O nº do CD tem de ser um número de 0 a 99, escrito só com algarismos (sem sinal, espaços nem zeros à esquerda)</source>
        <translation>The CD number must be a number from 0 to 99, written in digits only (no sign, blanks or leading zeros)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Catálogo dos ficheiros MP3 gravados em CD. Sem LISTA, pergunta qual abrir; com ela, abre esse ficheiro (criando-o se não existir).</source>
        <translation>Catalogue of the MP3 files recorded on CDs. Without LIST, asks which one to open; with it, opens that file (creating it if it does not exist).</translation>
    </message>
    <message>
        <source>LISTA</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>O ficheiro da lista de MP3 a abrir.</source>
        <translation>The MP3 list file to open.</translation>
    </message>
    <message>
        <source>[LISTA]</source>
        <translation>[LIST]</translation>
    </message>
    <message>
        <source>valor</source>
        <translation>value</translation>
    </message>
    <message>
        <source>Só se pode abrir uma lista de cada vez.</source>
        <translation>Only one list can be opened at a time.</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>O campo &quot;Localização do Leitor de MP3&quot;</source>
        <translation>The field &quot;Location of the MP3 Player&quot;</translation>
    </message>
    <message>
        <source>O campo &quot;Letra da Unidade de CD-ROM&quot;</source>
        <translation>The field &quot;Letter of the CD-ROM Drive&quot;</translation>
    </message>
</context>
<context>
    <name>Confirmation</name>
    <message>
        <source>O ficheiro %1 já existe e vai ser esvaziado.
Deseja continuar?</source>
        <translation>The file %1 already exists and will be emptied.
Do you want to go on?</translation>
    </message>
    <message>
        <source>Confirmar</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>&amp;Sim</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Não</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>DiscPlayer</name>
    <message>
        <source>não é um programa que o sistema saiba executar (a um script falta a primeira linha &quot;#!&quot;)</source>
        <translation>it is not a program the system can run (a script lacks its first &quot;#!&quot; line)</translation>
    </message>
    <message>
        <source>o programa, o interpretador que ele pede ou a pasta do CD não existe</source>
        <translation>the program, the interpreter it asks for or the CD&apos;s folder does not exist</translation>
    </message>
    <message>
        <source>não há permissão para o executar ou para entrar na pasta</source>
        <translation>there is no permission to run it or to enter the folder</translation>
    </message>
    <message>
        <source>erro %1 do sistema</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>A procurar a unidade de CD...</source>
        <translation>Looking for the CD drive...</translation>
    </message>
    <message>
        <source>A unidade de CD não foi encontrada: a procura foi interrompida antes de o disco responder</source>
        <translation>The CD drive was not found: the search was stopped before the disc answered</translation>
    </message>
    <message>
        <source>A aguardar o CD...</source>
        <translation>Waiting for the CD...</translation>
    </message>
    <message>
        <source>%1 (nenhum disco montado em %2)</source>
        <translation>%1 (no disc mounted on %2)</translation>
    </message>
    <message>
        <source>O CD não tem o ficheiro %1</source>
        <translation>The CD does not have the file %1</translation>
    </message>
    <message>
        <source>O leitor %1 não pôde ser iniciado na pasta %2: %3</source>
        <translation>The player %1 could not be started in the folder %2: %3</translation>
    </message>
    <message>
        <source>Nenhum programa do ambiente de trabalho abre %1</source>
        <translation>No program of the desktop opens %1</translation>
    </message>
</context>
<context>
    <name>DiscReader</name>
    <message>
        <source>O nome do ficheiro</source>
        <translation>The file&apos;s name</translation>
    </message>
    <message>
        <source>O caminho da pasta</source>
        <translation>The folder&apos;s path</translation>
    </message>
    <message>
        <source>não está em UTF-8, por isso não se sabe que letras tem</source>
        <translation>is not in UTF-8, so there is no knowing which letters it has</translation>
    </message>
    <message>
        <source>A extensão não está em minúsculas, e o leitor só abre nomes terminados em &quot;.mp3&quot;</source>
        <translation>The extension is not in lower case, and the player opens only names ending in &quot;.mp3&quot;</translation>
    </message>
    <message>
        <source>A pasta não pôde ser lida: não há permissão para a abrir</source>
        <translation>The folder could not be read: there is no permission to open it</translation>
    </message>
    <message>
        <source>A pasta não pôde ser lida: erro de leitura do disco</source>
        <translation>The folder could not be read: the disc gave a read error</translation>
    </message>
    <message>
        <source>A pasta leva de volta a uma pasta onde está, por isso não foi lida</source>
        <translation>The folder leads back to a folder it is in, so it was not read</translation>
    </message>
    <message>
        <source>A pasta não pôde ser lida (erro %1 do sistema)</source>
        <translation>The folder could not be read (system error %1)</translation>
    </message>
    <message>
        <source>O ficheiro não pôde ser lido: não há permissão para o abrir</source>
        <translation>The file could not be read: there is no permission to open it</translation>
    </message>
    <message>
        <source>O ficheiro não pôde ser lido: erro de leitura do disco</source>
        <translation>The file could not be read: the disc gave a read error</translation>
    </message>
    <message>
        <source>O ficheiro não pôde ser lido (erro %1 do sistema)</source>
        <translation>The file could not be read (system error %1)</translation>
    </message>
    <message>
        <source>O álbum não pode ser gravado sem a faixa &quot;%1&quot;, que não pôde ser lida</source>
        <translation>The album cannot be saved without the track &quot;%1&quot;, which could not be read</translation>
    </message>
    <message>
        <source>A leitura do CD foi interrompida antes do fim: leia-o outra vez para gravar</source>
        <translation>Reading the CD was stopped before the end: read it again to save</translation>
    </message>
</context>
<context>
    <name>DiscRegister</name>
    <message>
        <source>tem um carácter nulo, que o ficheiro discos.ini não pode guardar</source>
        <translation>has a null character, which the file discos.ini cannot keep</translation>
    </message>
    <message>
        <source>O ficheiro %1 está danificado: a linha %2 tem um carácter nulo</source>
        <translation>The file %1 is damaged: line %2 has a null character</translation>
    </message>
    <message>
        <source>O ficheiro %1 está danificado: a linha %2 repete a secção %3</source>
        <translation>The file %1 is damaged: line %2 repeats the section %3</translation>
    </message>
    <message>
        <source>Só um CD com um nº de 1 a 99 pode ser lembrado no ficheiro discos.ini</source>
        <translation>Only a CD numbered 1 to 99 can be remembered in the file discos.ini</translation>
    </message>
    <message>
        <source>A etiqueta do disco</source>
        <translation>The disc&apos;s label</translation>
    </message>
    <message>
        <source>O UUID do disco</source>
        <translation>The disc&apos;s UUID</translation>
    </message>
</context>
<context>
    <name>DiscWait</name>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Drive</name>
    <message>
        <source>O dispositivo %1 não existe</source>
        <translation>The device %1 does not exist</translation>
    </message>
    <message>
        <source>O caminho %1 não é um dispositivo</source>
        <translation>The path %1 is not a device</translation>
    </message>
    <message>
        <source>A unidade de CD não está definida no ficheiro &quot;config.ini&quot;: escolha-a em Ficheiro &gt; Configuração</source>
        <translation>The CD drive is not set in the file &quot;config.ini&quot;: choose it in File &gt; Settings</translation>
    </message>
    <message>
        <source>Não há nenhuma unidade de CD-ROM com a letra %1 neste computador</source>
        <translation>There is no CD-ROM drive with the letter %1 on this computer</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>O campo &quot;Nome do Artista&quot;</source>
        <translation>The field &quot;Artist Name&quot;</translation>
    </message>
    <message>
        <source>O campo &quot;Nome do Álbum&quot;</source>
        <translation>The field &quot;Album Name&quot;</translation>
    </message>
    <message>
        <source>A linha %1</source>
        <translation>Line %1</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>BEM VINDO !!
------------------------------------------------------------------

Este é um programa criado para gerir mais facilmente as 
vossas listas de MP3 sem passar pelas fastidiosas 
&quot;playlists&quot; do Winamp e outros programas 
semelhantes...

Aqui podem acrescentar MP3 e álbuns á vossa lista, 
assim 
como procurar por uma determinada música que exista 
na 
vossa  colecção.

Do mesmo modo, podem ouvir qualquer música da 
vossa 
colecção desde que tenham configurado o caminho 
onde 
têm o Winamp ou outro leitor de MP3, assim como a 
unidade 
de CD-ROM onde vão ser inseridos os CDs com os MP3.

&quot;DISCLAIMER&quot;

Este programa foi desenhado apenas com o intuito de 
ser uma ferramenta útil. Qualquer dano que possa 
provocar em algum computador não é da minha 
responsabilidade. 
Quaisquer bugs / ideias / sugestões podem ser 
enviados para:
-------------------------------------
mp3search@example.org
-------------------------------------

Além disso, se considerarem que este programa vos foi 
útil de algum modo um simples mail de apreço também 
seria agradável... :)</source>
        <translation>WELCOME !!
------------------------------------------------------------------

This is a program made to manage your lists of MP3
files more easily, without going through the tedious
&quot;playlists&quot; of Winamp and other programs like it...

Here you can add MP3s and albums to your list, and
search for a given song that is in your collection.

In the same way, you can hear any song of your
collection, as long as you have set the path where
your Winamp or other MP3 player is, and the CD-ROM
drive where the CDs with the MP3s will be inserted.

&quot;DISCLAIMER&quot;

This program was designed only to be a useful tool.
Any damage it may cause to any computer is not my
responsibility.
Any bugs / ideas / suggestions can be sent to:
-------------------------------------
mp3search@example.org
-------------------------------------

Besides, if you find this program useful in some
way, a simple mail of appreciation would also be
nice... :)</translation>
    </message>
    <message>
        <source>L I S T A S
------------------------------------------------------------------

Na lista designada por &quot;MP3&quot; (à esquerda) aparecem 
todos os vossos MP3 que estão &quot;isolados&quot;, ou seja, não 
pertencem a nenhum CD.

À direita, na parte superior direita, surge uma listagem de 
todos os CDs da vossa colecção. Clicando sobre um 
deles, surge na janela inferior a essa o conteúdo do CD 
respectivo.

Debaixo de cada listagem (MP3 e CDs Completos) surge 
a legenda &quot;PRESENTE NO Nº&quot;. Quando se clica numa 
música da listagem, à frente desta legenda surge o 
número do CD em que se encontra a música. Isto é 
bastante útil para colecções de MP3 muito extensas.

Ao fazer duplo clique em qualquer música (ou 
carregando no botão de PLAY!) que está por debaixo de 
cada janela) pode-se ouvir a música em questão, 
supondo que se configurou o programa e que o CD 
respectivo está introduzido na unidade de CD-ROM.</source>
        <translation>L I S T S
------------------------------------------------------------------

The list called &quot;MP3&quot; (on the left) shows all your
MP3s that are &quot;loose&quot;, that is, that belong to no CD.

On the right, at the top, there is a listing of all
the CDs of your collection. Clicking on one of them
shows the contents of that CD in the window below.

Under each listing (MP3 and Complete CDs) there is
the caption &quot;ON CD NO.&quot;. When you click a song of
the listing, the number of the CD the song is on
shows after this caption. This is very useful for
very large MP3 collections.

By double-clicking any song (or pressing the PLAY!
button under each window) you can hear that song,
provided the program has been set up and the CD is
in the CD-ROM drive.</translation>
    </message>
    <message>
        <source>P R O C U R A
------------------------------------------------------------------

 Aqui, o utilizador pode introduzir no local de procura o 
texto a procurar. Note-se que, relativamente ao texto 
introduzido, os resultados da pesquisa podem ter, 
igualmente, o texto de procura encontrado no MEIO das 
músicas.
Ex:

 Como texto a procurar, introduzimos &quot;MAD&quot;.
 Alguns resultados possíveis seriam:

      Madonna - Ray of Light
      Savage Garden - Truly Madly Deeply
      ...

 Os resultados da pesquisa estão acompanhados da 
indicação do CD a que pertencem as músicas/CDs 
encontrados, assim como a possibilidade de pôr a tocar 
a música respectiva.</source>
        <translation>S E A R C H
------------------------------------------------------------------

 Here you can type the text to search for in the
search field. Note that the search results may have
the text searched for in the MIDDLE of the songs as
well.
Ex:

 As the text to search for, we type &quot;MAD&quot;.
 Some possible results would be:

      Madonna - Ray of Light
      Savage Garden - Truly Madly Deeply
      ...

 The search results come with the number of the CD
the songs/CDs found belong to, and with the chance
to play the song.</translation>
    </message>
    <message>
        <source>A L T E R A Ç Õ E S
------------------------------------------------------------------

Aqui podem-se introduzir novas músicas e CDs à 
colecção conforme a opção que se escolheu (Menu 
Alterar -&gt; Novo MP3 / Novo Álbum).

NOVO MP3
-----------------
 Aparece um quadro onde se podem introduzir os MP3 
devidamente espaçados e um por linha. A vantagem de 
utilizar um quadro destes é que permite fazer 
COPY-PASTE das listas para o programa, evitando a 
fastidiosa tarefa de introduzir as músicas todas à mão. 
Também se pode introduzir aqui o CD a que as músicas 
em questão pertencem para mais fácil armazenamento.
 Para fazer PASTE no programa, coloquem o cursor 
dentro do quadro e primam simultaneamente em 
CTRL+V.

NOVO ÁLBUM
----------------------
 É bastante semelhante à opção de cima, excepto que 
aqui surgem mais dois campos para preencher com o 
nome do artista e o nome do álbum.

Ao carregar no botão de GRAVAR, as músicas 
introduzidas desaparecem, caso se queira introduzir 
mais músicas sem voltar ao écran inicial. Quando o 
utilizador fecha esta janela, os dados da lista são 
instantâneamente actualizados.</source>
        <translation>C H A N G E S
------------------------------------------------------------------

Here you can add new songs and CDs to the collection,
as the option chosen says (Menu Edit -&gt; New MP3 /
New Album).

NEW MP3
-----------------
 A box appears where you can enter the MP3s, one per
line. The advantage of such a box is that you can
COPY-PASTE lists into the program, sparing yourself
the tedious task of typing all the songs by hand.
You can also enter here the CD the songs are on, so
they are easier to keep.
 To PASTE into the program, put the cursor in the
box and press CTRL+V.

NEW ALBUM
----------------------
 Much like the option above, except that here there
are two more fields to fill in, with the artist&apos;s
name and the album&apos;s name.

When you press the SAVE button, the songs entered
disappear, in case you want to enter more songs
without going back to the main screen. When you
close this window, the list is brought up to date
at once.</translation>
    </message>
</context>
<context>
    <name>KnownDiscs</name>
    <message>
        <source>O ficheiro discos.ini não pôde ser lido (%1)</source>
        <translation>The file discos.ini could not be read (%1)</translation>
    </message>
    <message>
        <source>: os discos não são reconhecidos nem registados até ser corrigido</source>
        <translation>: discs are not recognised nor remembered until it is mended</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>A lista é grande demais para ser carregada: tem de ter menos de 4 GiB</source>
        <translation>The list is too large to load: it must be under 4 GiB</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source> («%1»)</source>
        <extracomment>After a CD&apos;s number when the disc&apos;s label is known; %1 is the label</extracomment>
        <translation> (“%1”)</translation>
    </message>
    <message>
        <source>Introduza o CD Nº %1%2 na unidade e carregue em OK</source>
        <extracomment>%1 is the CD&apos;s number, %2 the disc&apos;s label when known</extracomment>
        <translation>Insert CD no. %1%2 in the drive and press OK</translation>
    </message>
    <message>
        <source>No leitor está o CD Nº %1%2. Introduza o CD Nº %3%4.</source>
        <extracomment>%1 and %3 are CD numbers, %2 and %4 their discs&apos; labels when known</extracomment>
        <translation>The drive holds CD no. %1%2. Insert CD no. %3%4.</translation>
    </message>
</context>
<context>
    <name>Storable</name>
    <message>
        <source>tem o carácter %1, que a lista não pode guardar</source>
        <translation>has the character %1, which the list cannot keep</translation>
    </message>
    <message>
        <source>tem uma quebra de linha, que a lista não pode guardar numa só linha</source>
        <translation>has a line break, which the list cannot keep on one line</translation>
    </message>
    <message>
        <source>tem um carácter de fim de ficheiro (Ctrl-Z), que a lista não pode guardar</source>
        <translation>has an end-of-file character (Ctrl-Z), which the list cannot keep</translation>
    </message>
    <message>
        <source>é só &quot;/&quot;, que a lista leria como o fim do álbum</source>
        <translation>is only &quot;/&quot;, which the list would read as the end of the album</translation>
    </message>
    <message>
        <source>tem o carácter %1, que o ficheiro config.ini não pode guardar</source>
        <translation>has the character %1, which the file config.ini cannot keep</translation>
    </message>
    <message>
        <source>tem uma quebra de linha, que o ficheiro config.ini não pode guardar</source>
        <translation>has a line break, which the file config.ini cannot keep</translation>
    </message>
    <message>
        <source>tem um carácter de fim de ficheiro (Ctrl-Z), que o ficheiro config.ini não pode guardar</source>
        <translation>has an end-of-file character (Ctrl-Z), which the file config.ini cannot keep</translation>
    </message>
    <message>
        <source>tem o carácter %1, que o ficheiro discos.ini não pode guardar</source>
        <translation>has the character %1, which the file discos.ini cannot keep</translation>
    </message>
    <message>
        <source>tem uma quebra de linha, que o ficheiro discos.ini não pode guardar</source>
        <translation>has a line break, which the file discos.ini cannot keep</translation>
    </message>
    <message>
        <source>tem um carácter de fim de ficheiro (Ctrl-Z), que o ficheiro discos.ini não pode guardar</source>
        <translation>has an end-of-file character (Ctrl-Z), which the file discos.ini cannot keep</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&quot;Quintor&quot; de MP3</source>
        <translation>&quot;Quintor&quot; MP3s</translation>
    </message>
    <message>
        <source>Abrir Lista de MP3</source>
        <translation>Open MP3 List</translation>
    </message>
    <message>
        <source>Lista de MP3</source>
        <translation>MP3 List</translation>
    </message>
    <message>
        <source>Todos os Ficheiros</source>
        <translation>All Files</translation>
    </message>
    <message>
        <source>Duplo Clique para ouvir a música!!</source>
        <translation>Double Click to hear the song!!</translation>
    </message>
    <message>
        <source>&amp;Ficheiro</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Nova Lista</source>
        <translation>&amp;New List</translation>
    </message>
    <message>
        <source>&amp;Abrir Lista</source>
        <translation>&amp;Open List</translation>
    </message>
    <message>
        <source>&amp;Configuração</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Operações</source>
        <translation>&amp;Operations</translation>
    </message>
    <message>
        <source>&amp;Pesquisar</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>&amp;Listar MP3</source>
        <translation>&amp;List MP3s</translation>
    </message>
    <message>
        <source>A&amp;lterar</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Novo &amp;MP3</source>
        <translation>New &amp;MP3</translation>
    </message>
    <message>
        <source>Novo &amp;Album</source>
        <translation>New &amp;Album</translation>
    </message>
    <message>
        <source>&amp;Ler CD...</source>
        <translation>&amp;Read CD...</translation>
    </message>
    <message>
        <source>&amp;Ajuda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Sobre...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>&amp;Apagar da Lista</source>
        <translation>&amp;Delete from List</translation>
    </message>
    <message>
        <source>Nova Lista de MP3</source>
        <translation>New MP3 List</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Introduzir novas músicas</source>
        <translation>Enter new songs</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Apagar</source>
        <translation>&amp;Clear</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Configuração</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Localização do Leitor de MP3 (exemplo: Winamp)</source>
        <translation>Location of the MP3 Player (for example: Winamp)</translation>
    </message>
    <message>
        <source>Letra da Unidade de CD-ROM</source>
        <translation>Letter of the CD-ROM Drive</translation>
    </message>
    <message>
        <source>&amp;Restaurar</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Save</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Geral</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Listas</source>
        <translation>Lists</translation>
    </message>
    <message>
        <source>Procurar</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Alterar</source>
        <translation>Edit</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>   (já na lista)</source>
        <translation>   (already in the list)</translation>
    </message>
    <message>
        <source>Ler CD</source>
        <translation>Read CD</translation>
    </message>
    <message>
        <source>Escolha o número do CD e carregue em Ler.</source>
        <translation>Choose the CD number and press Read.</translation>
    </message>
    <message>
        <source>Sem &quot;config.ini&quot; não se sabe onde está o CD.</source>
        <translation>Without &quot;config.ini&quot; there is no knowing where the CD is.</translation>
    </message>
    <message>
        <source>A ler o CD... %1</source>
        <translation>Reading the CD... %1</translation>
    </message>
    <message>
        <source>ficheiro ou pasta vistos</source>
        <translation>file or folder seen</translation>
    </message>
    <message>
        <source>ficheiros e pastas vistos</source>
        <translation>files and folders seen</translation>
    </message>
    <message>
        <source>Unidade de CD</source>
        <translation>CD Drive</translation>
    </message>
    <message>
        <source>CD &amp;nº</source>
        <translation>CD &amp;no.</translation>
    </message>
    <message>
        <source>CD nº</source>
        <translation>CD no.</translation>
    </message>
    <message>
        <source>&amp;Ler</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>A ler o CD</source>
        <translation>Reading the CD</translation>
    </message>
    <message>
        <source>O que será gravado</source>
        <translation>What will be saved</translation>
    </message>
    <message>
        <source>Não podem ser gravados</source>
        <translation>Cannot be saved</translation>
    </message>
    <message>
        <source>Não foi possível ler &quot;config.ini&quot; (%1): escolha a unidade em Ficheiro &gt; Configuração</source>
        <translation>&quot;config.ini&quot; could not be read (%1): choose the drive in File &gt; Settings</translation>
    </message>
    <message>
        <source>A procurar a unidade de CD...</source>
        <translation>Looking for the CD drive...</translation>
    </message>
    <message>
        <source> («%1»)</source>
        <translation> (“%1”)</translation>
    </message>
    <message>
        <source>: nenhum disco montado</source>
        <translation>: no disc mounted</translation>
    </message>
    <message>
        <source>Este disco é o CD nº %1.</source>
        <translation>This disc is CD no. %1.</translation>
    </message>
    <message>
        <source>Este disco é o CD nº %1 («%2»).</source>
        <translation>This disc is CD no. %1 (“%2”).</translation>
    </message>
    <message>
        <source>Os números de CD de 1 a 99 estão todos em uso: escreva um.</source>
        <translation>The CD numbers from 1 to 99 are all in use: type one.</translation>
    </message>
    <message>
        <source>A ler o CD...</source>
        <translation>Reading the CD...</translation>
    </message>
    <message>
        <source>A leitura do CD falhou.</source>
        <translation>Reading the CD failed.</translation>
    </message>
    <message>
        <source>Leitura cancelada: nada foi lido.</source>
        <translation>Reading cancelled: nothing was read.</translation>
    </message>
    <message>
        <source>A cancelar...</source>
        <translation>Cancelling...</translation>
    </message>
    <message>
        <source>Nada de novo para gravar: a lista já tem tudo o que está no CD.</source>
        <translation>Nothing new to save: the list already has everything on the CD.</translation>
    </message>
    <message>
        <source>Gravado no CD nº %1: %2 e %3 em %4.</source>
        <translation>Saved as CD no. %1: %2 and %3 in %4.</translation>
    </message>
    <message>
        <source>MP3 isolado</source>
        <translation>loose MP3</translation>
    </message>
    <message>
        <source>MP3 isolados</source>
        <translation>loose MP3s</translation>
    </message>
    <message>
        <source>faixa</source>
        <translation>track</translation>
    </message>
    <message>
        <source>faixas</source>
        <translation>tracks</translation>
    </message>
    <message>
        <source>álbum</source>
        <translation>album</translation>
    </message>
    <message>
        <source>álbuns</source>
        <translation>albums</translation>
    </message>
    <message>
        <source>O CD nº %1 já está associado ao disco «%2». Associar a este disco?</source>
        <translation>CD no. %1 is already associated with the disc “%2”. Associate it with this disc?</translation>
    </message>
    <message>
        <source>Não podem ser gravados: %1</source>
        <translation>Cannot be saved: %1</translation>
    </message>
    <message>
        <source>CD nº: %1</source>
        <translation>CD no.: %1</translation>
    </message>
    <message>
        <source>No CD: %1 e %2. </source>
        <translation>On the CD: %1 and %2. </translation>
    </message>
    <message>
        <source>Nada de novo para gravar: tudo já está na lista.</source>
        <translation>Nothing new to save: everything is in the list already.</translation>
    </message>
    <message>
        <source>Carregue em Gravar para acrescentar à lista, no CD nº %1: %2 e %3.</source>
        <translation>Press Save to add to the list, as CD no. %1: %2 and %3.</translation>
    </message>
    <message>
        <source>MP3 isolado novo</source>
        <translation>new loose MP3</translation>
    </message>
    <message>
        <source>MP3 isolados novos</source>
        <translation>new loose MP3s</translation>
    </message>
    <message>
        <source>faixa nova</source>
        <translation>new track</translation>
    </message>
    <message>
        <source>faixas novas</source>
        <translation>new tracks</translation>
    </message>
    <message>
        <source>: nenhum</source>
        <translation>: none</translation>
    </message>
    <message>
        <source>novo</source>
        <translation>new</translation>
    </message>
    <message>
        <source>novos</source>
        <translation>new</translation>
    </message>
    <message>
        <source>Álbuns</source>
        <translation>Albums</translation>
    </message>
    <message>
        <source>MP3 isolados</source>
        <comment>heading</comment>
        <translation>Loose MP3s</translation>
    </message>
</context>
</TS>
