<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutText</name>
    <message>
        <source>About Velmora Player</source>
        <translation>Sobre o Velmora Player</translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (on now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation>saída de erro padrão, com VELMORA_NET_DEBUG=1 (ativado agora); pelo menu da área de trabalho, o log da sessão (journalctl --user)</translation>
    </message>
    <message>
        <source>standard error, with VELMORA_NET_DEBUG=1 (off now); from the desktop menu, the session&apos;s log (journalctl --user)</source>
        <translation>saída de erro padrão, com VELMORA_NET_DEBUG=1 (desativado agora); pelo menu da área de trabalho, o log da sessão (journalctl --user)</translation>
    </message>
    <message>
        <source>%1 The terms: %2.</source>
        <translation>%1 Os termos: %2.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;Watch live channels, movies and series from your IPTV servers.&lt;/p&gt;&lt;table&gt;</source>
        <translation>&lt;h3&gt;Velmora Player %1&lt;/h3&gt;&lt;p&gt;Assista a canais ao vivo, filmes e séries dos seus servidores IPTV.&lt;/p&gt;&lt;table&gt;</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Catalog cache</source>
        <translation>Cache do catálogo</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Logs</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), with no warranty. It uses Qt (LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) and simdjson (Apache-2.0); velmora-pairing-server also uses hiredis (BSD-3-Clause).</source>
        <translation>Software livre sob a Licença Pública Geral GNU, versão 3 ou posterior (GPL-3.0-or-later), sem garantia. Usa Qt (LGPL-3.0), libVLC (LGPL-2.1-or-later), qrcodegen (MIT) e simdjson (Apache-2.0); o velmora-pairing-server também usa hiredis (BSD-3-Clause).</translation>
    </message>
</context>
<context>
    <name>CatalogLoader</name>
    <message>
        <source>Failed to download playlist: %1</source>
        <translation>Falha ao baixar a playlist: %1</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Falha ao abrir o arquivo: %1</translation>
    </message>
</context>
<context>
    <name>CatalogSession</name>
    <message>
        <source>Load Playlist</source>
        <translation>Carregar playlist</translation>
    </message>
</context>
<context>
    <name>CatalogTabs</name>
    <message>
        <source>All Categories</source>
        <translation>Todas as categorias</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Search all movies...</source>
        <translation>Pesquisar todos os filmes...</translation>
    </message>
    <message>
        <source>Search all shows...</source>
        <translation>Pesquisar todas as séries...</translation>
    </message>
    <message>
        <source>Search all channels...</source>
        <translation>Pesquisar todos os canais...</translation>
    </message>
    <message>
        <source>Select a category:</source>
        <translation>Selecione uma categoria:</translation>
    </message>
    <message>
        <source>&lt; Back to Categories</source>
        <translation>&lt; Voltar às categorias</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Pesquisar...</translation>
    </message>
    <message>
        <source>Name (A-Z)</source>
        <translation>Nome (A-Z)</translation>
    </message>
    <message>
        <source>Recently Added</source>
        <translation>Adicionados recentemente</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Avaliação</translation>
    </message>
    <message>
        <source>Search: &quot;%1&quot;</source>
        <translation>Pesquisa: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>Ordem do provedor</translation>
    </message>
</context>
<context>
    <name>CatchupPlayback</name>
    <message>
        <source>&quot;%1&quot; cannot be played from the archive of %2: the server gives no address for it.</source>
        <translation>&quot;%1&quot; não pode ser reproduzido do acervo de %2: o servidor não fornece um endereço para ele.</translation>
    </message>
</context>
<context>
    <name>EpisodesPage</name>
    <message>
        <source>E%1 - %2</source>
        <extracomment>An episode row: its number in the season and its title.</extracomment>
        <translation>E%1 - %2</translation>
    </message>
    <message>
        <source>The episodes could not be loaded. Go back and open the series again to retry.</source>
        <translation>Não foi possível carregar os episódios. Volte e abra a série novamente para tentar de novo.</translation>
    </message>
    <message>
        <source>&lt; Back to Shows</source>
        <translation>&lt; Voltar às séries</translation>
    </message>
    <message>
        <source>Season %1</source>
        <translation>Temporada %1</translation>
    </message>
</context>
<context>
    <name>EverythingSearch</name>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filmes</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Séries</translation>
    </message>
    <message>
        <source>Programmes</source>
        <translation>Programas</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>System default</source>
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Velmora Player.</source>
        <translation>Um novo idioma é usado a partir da próxima inicialização do Velmora Player.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
</context>
<context>
    <name>GuideChannelDialog</name>
    <message>
        <source>Guide Channel</source>
        <translation>Canal do guia</translation>
    </message>
    <message>
        <source>The guide holds no channels yet. Update the guide, then try again.</source>
        <translation>O guia ainda não tem canais. Atualize o guia e tente novamente.</translation>
    </message>
    <message>
        <source>Choose the guide channel for &quot;%1&quot;:</source>
        <translation>Escolha o canal do guia para &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>Search by id or name...</source>
        <translation>Pesquisar por ID ou nome...</translation>
    </message>
    <message>
        <source>Guide channel</source>
        <translation>Canal do guia</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>Time shift of this channel&apos;s guide:</source>
        <translation>Ajuste de horário do guia deste canal:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Automatic Match</source>
        <translation>Correspondência automática</translation>
    </message>
</context>
<context>
    <name>GuideFlow</name>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Todos os canais</translation>
    </message>
    <message>
        <source>%1 - %2 (catch-up)</source>
        <translation>%1 - %2 (reprise)</translation>
    </message>
    <message>
        <source>Catch-up</source>
        <translation>Reprise</translation>
    </message>
    <message>
        <source>Previous Programme</source>
        <translation>Programa anterior</translation>
    </message>
    <message>
        <source>Next Programme</source>
        <translation>Próximo programa</translation>
    </message>
</context>
<context>
    <name>GuideGrid</name>
    <message>
        <source>No channels to show</source>
        <translation>Nenhum canal para mostrar</translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation>Sem informações de programação</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <comment>start and end of a programme in the guide grid</comment>
        <translation>%1-%2</translation>
    </message>
</context>
<context>
    <name>GuideGridTab</name>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>TV Guide</source>
        <translation>Guia de TV</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Amanhã</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ontem</translation>
    </message>
    <message>
        <source>Select a programme to see its details.</source>
        <translation>Selecione um programa para ver os detalhes.</translation>
    </message>
    <message>
        <source>%1, %2-%3</source>
        <comment>day, start and end of a programme</comment>
        <translation>%1, %2-%3</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; &amp;middot; %2&lt;br&gt;</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; &amp;middot; %2&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>No programme information.</source>
        <translation>Sem informações de programação.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; cannot be played from the archive of %2: the channel gives no archive address.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; não pode ser reproduzido do acervo de %2: o canal não fornece um endereço de acervo.</translation>
    </message>
</context>
<context>
    <name>GuideImporter</name>
    <message>
        <source>cannot open %1</source>
        <translation>não é possível abrir %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>não é possível ler %1</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>o servidor respondeu HTTP %1</translation>
    </message>
    <message>
        <source>the server stopped sending</source>
        <translation>o servidor parou de enviar</translation>
    </message>
    <message>
        <source>the download did not end in time</source>
        <translation>o download não terminou a tempo</translation>
    </message>
    <message>
        <source>no guide address</source>
        <translation>nenhum endereço de guia</translation>
    </message>
</context>
<context>
    <name>GuidePanel</name>
    <message>
        <source>Show or hide the programme guide</source>
        <translation>Mostrar ou ocultar o guia de programação</translation>
    </message>
    <message>
        <source>Watch from start</source>
        <translation>Assistir do início</translation>
    </message>
    <message>
        <source>Play the running programme from its beginning</source>
        <translation>Reproduzir o programa em exibição desde o começo</translation>
    </message>
    <message>
        <source>Programme guide: %1</source>
        <translation>Guia de programação: %1</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>No programme information</source>
        <translation>Sem informações de programação</translation>
    </message>
    <message>
        <source>In the archive: double-click or press Return to watch it</source>
        <translation>No acervo: clique duas vezes ou pressione Enter para assistir</translation>
    </message>
    <message>
        <source>%1  %2
%3</source>
        <translation>%1  %2
%3</translation>
    </message>
</context>
<context>
    <name>GuideService</name>
    <message>
        <source>Updating guide... %1%</source>
        <translation>Atualizando o guia... %1%</translation>
    </message>
    <message>
        <source>Guide not updated: %1</source>
        <translation>Guia não atualizado: %1</translation>
    </message>
    <message>
        <source>Guide partly updated: %1</source>
        <translation>Guia atualizado parcialmente: %1</translation>
    </message>
    <message>
        <source>now, until %1</source>
        <translation>agora, até %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and times of a programme</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 — %2, %3</source>
        <comment>programme, channel, when</comment>
        <translation>%1 — %2, %3</translation>
    </message>
</context>
<context>
    <name>GuideStoreWriter</name>
    <message>
        <source>could not write the guide: %1</source>
        <translation>não foi possível gravar o guia: %1</translation>
    </message>
    <message>
        <source>could not create the guide file: %1</source>
        <translation>não foi possível criar o arquivo do guia: %1</translation>
    </message>
</context>
<context>
    <name>GuideText</name>
    <message>
        <source>ddd d MMM</source>
        <extracomment>Day in the guide&apos;s day list and corner: weekday, day and month, in the locale&apos;s words (QDate format: ddd weekday, d day, MMM month).</extracomment>
        <translation>ddd, d &apos;de&apos; MMM</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Amanhã</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ontem</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <extracomment>A day heading of the programme list (QDate format: dddd weekday, d day, MMMM month).</extracomment>
        <translation>dddd, d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>Now: %1  %2</source>
        <translation>Agora: %1  %2</translation>
    </message>
    <message>
        <source>Next: %1  %2</source>
        <translation>A seguir: %1  %2</translation>
    </message>
</context>
<context>
    <name>HlsPlaylist</name>
    <message>
        <source>The channel sends fragmented MP4, which cannot be recorded yet.</source>
        <translation>O canal envia MP4 fragmentado, que ainda não pode ser gravado.</translation>
    </message>
    <message>
        <source>The channel is encrypted and cannot be recorded.</source>
        <translation>O canal é criptografado e não pode ser gravado.</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The library could not be saved: %1</source>
        <translation>Não foi possível salvar a biblioteca: %1</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recentes</translation>
    </message>
    <message>
        <source>Continue Watching</source>
        <translation>Continuar assistindo</translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation>Não está mais disponível neste servidor</translation>
    </message>
</context>
<context>
    <name>LibraryDatabase</name>
    <message>
        <source>Your library (favorites and watch progress) could not be read and was started afresh. The damaged file was kept as %1.</source>
        <translation>Não foi possível ler sua biblioteca (favoritos e progresso) e ela foi recomeçada do zero. O arquivo danificado foi mantido como %1.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) was saved by a newer version of Velmora Player and cannot be read by this one. It is left as it is; changes you make in this session will not be kept.</source>
        <translation>Sua biblioteca (favoritos e progresso) foi salva por uma versão mais recente do Velmora Player e não pode ser lida por esta. Ela foi mantida como está; as alterações feitas nesta sessão não serão mantidas.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) could not be opened at %1. Changes you make in this session will not be kept.</source>
        <translation>Não foi possível abrir sua biblioteca (favoritos e progresso) em %1. As alterações feitas nesta sessão não serão mantidas.</translation>
    </message>
    <message>
        <source>Your library (favorites and watch progress) at %1 is kept busy by another program. It is left as it is; changes you make in this session will not be kept.</source>
        <translation>Sua biblioteca (favoritos e progresso) em %1 está ocupada por outro programa. Ela foi mantida como está; as alterações feitas nesta sessão não serão mantidas.</translation>
    </message>
</context>
<context>
    <name>LibraryFlow</name>
    <message>
        <source>Start over</source>
        <translation>Começar do início</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>Canal anterior</translation>
    </message>
    <message>
        <source>Back to the channel watched before (Backspace)</source>
        <translation>Voltar ao canal assistido antes (Backspace)</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>Export Favorites and Progress...</source>
        <translation>Exportar favoritos e progresso...</translation>
    </message>
    <message>
        <source>Import Favorites and Progress...</source>
        <translation>Importar favoritos e progresso...</translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation>Remover dos favoritos</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>Adicionar aos favoritos</translation>
    </message>
    <message>
        <source>Remove from Continue Watching</source>
        <translation>Remover de Continuar assistindo</translation>
    </message>
    <message>
        <source>The change could not be saved: %1</source>
        <translation>Não foi possível salvar a alteração: %1</translation>
    </message>
    <message>
        <source>The favorite could not be saved: %1</source>
        <translation>Não foi possível salvar o favorito: %1</translation>
    </message>
    <message>
        <source>Export Favorites and Progress</source>
        <translation>Exportar favoritos e progresso</translation>
    </message>
    <message>
        <source>Library files (*.json)</source>
        <translation>Arquivos de biblioteca (*.json)</translation>
    </message>
    <message>
        <source>The library could not be written to %1: %2</source>
        <translation>Não foi possível gravar a biblioteca em %1: %2</translation>
    </message>
    <message>
        <source>Your favorites and watch progress were saved to %1.</source>
        <translation>Seus favoritos e progresso foram salvos em %1.</translation>
    </message>
    <message>
        <source>Import Favorites and Progress</source>
        <translation>Importar favoritos e progresso</translation>
    </message>
    <message>
        <source>Resumed at %1</source>
        <translation>Retomado em %1</translation>
    </message>
    <message>
        <source>Your watch progress could not be saved: %1</source>
        <translation>Não foi possível salvar seu progresso: %1</translation>
    </message>
    <message>
        <source>%1  (%2% watched)</source>
        <translation>%1  (%2% assistido)</translation>
    </message>
    <message>
        <source>✓ %1</source>
        <translation>✓ %1</translation>
    </message>
    <message>
        <source>Left at %1</source>
        <translation>Parou em %1</translation>
    </message>
    <message>
        <source>Watched</source>
        <translation>Assistido</translation>
    </message>
</context>
<context>
    <name>LibraryImport</name>
    <message>
        <source>&quot;%1&quot; must be text that is not empty.</source>
        <translation>&quot;%1&quot; deve ser um texto não vazio.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <translation>&quot;%1&quot; deve ser um texto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>&quot;%1&quot; deve ser um número inteiro de %2 a %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <translation>&quot;%1&quot; deve ser um número.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <translation>&quot;%1&quot; deve ser true ou false.</translation>
    </message>
    <message>
        <source>The file&apos;s &quot;%1&quot; is not a list.</source>
        <translation>&quot;%1&quot; do arquivo não é uma lista.</translation>
    </message>
    <message>
        <source>Entry %1 of &quot;%2&quot; is not an object.</source>
        <translation>A entrada %1 de &quot;%2&quot; não é um objeto.</translation>
    </message>
    <message>
        <source>Entry %1 of &quot;%2&quot;: %3</source>
        <translation>Entrada %1 de &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 is %2, more than a library export can be (%3 at most). Nothing was imported.</source>
        <translation>%1 tem %2, mais do que uma exportação de biblioteca pode ter (no máximo %3). Nada foi importado.</translation>
    </message>
    <message>
        <source>%1 is more than a library export can be (%2 at most). Nothing was imported.</source>
        <translation>%1 é maior do que uma exportação de biblioteca pode ser (no máximo %2). Nada foi importado.</translation>
    </message>
    <message>
        <source>The file is not a Velmora Player library export.</source>
        <translation>O arquivo não é uma exportação de biblioteca do Velmora Player.</translation>
    </message>
    <message>
        <source>The file&apos;s &quot;version&quot; is not a version number: it is not a library export this program can read.</source>
        <translation>A &quot;version&quot; do arquivo não é um número de versão: não é uma exportação de biblioteca que este programa consiga ler.</translation>
    </message>
    <message>
        <source>The file was exported by a newer version of Velmora Player and cannot be read by this one.</source>
        <translation>O arquivo foi exportado por uma versão mais recente do Velmora Player e não pode ser lido por esta.</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Nada foi importado.</translation>
    </message>
    <message>
        <source>Imported: %1 favorites, %2 watch positions.</source>
        <translation>Importados: %1 favoritos, %2 posições de reprodução.</translation>
    </message>
    <message>
        <source>Already up to date: %1.</source>
        <translation>Já estava atualizado: %1.</translation>
    </message>
</context>
<context>
    <name>LineupFlow</name>
    <message>
        <source>Lineup</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Your lineup (hidden, renamed and locked channels) cannot be stored: %1</source>
        <translation>Não é possível armazenar sua grade (canais ocultos, renomeados e bloqueados): %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to play it.</source>
        <translation>&quot;%1&quot; está bloqueado. Digite o PIN para reproduzir.</translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation>Bloqueio parental</translation>
    </message>
    <message>
        <source>Set a PIN first: Preferences, page &quot;Parental Lock&quot;. Locks take effect once a PIN is set.</source>
        <translation>Defina um PIN primeiro: Preferências, página &quot;Bloqueio parental&quot;. Os bloqueios passam a valer depois que um PIN é definido.</translation>
    </message>
    <message>
        <source>The change to your lineup could not be saved: %1</source>
        <translation>Não foi possível salvar a alteração na sua grade: %1</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>New name for &quot;%1&quot; (empty: the provider&apos;s name):</source>
        <translation>Novo nome para &quot;%1&quot; (vazio: o nome do provedor):</translation>
    </message>
    <message>
        <source>Enter the PIN to unlock &quot;%1&quot;.</source>
        <translation>Digite o PIN para desbloquear &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Renomear categoria</translation>
    </message>
    <message numerus="yes">
        <source>%n categories of this server look like adult content:

%1

Lock them? They will ask for the PIN before showing their channels.</source>
        <translation>
            <numerusform>%n categoria deste servidor parece ter conteúdo adulto:

%1

Bloqueá-la? Ela pedirá o PIN antes de mostrar seus canais.</numerusform>
            <numerusform>%n categorias deste servidor parecem ter conteúdo adulto:

%1

Bloqueá-las? Elas pedirão o PIN antes de mostrar seus canais.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter the PIN to manage the lineup.</source>
        <translation>Digite o PIN para gerenciar a grade.</translation>
    </message>
    <message>
        <source>The guide addresses could not be saved: %1</source>
        <translation>Não foi possível salvar os endereços do guia: %1</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renomear...</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>Lock with PIN</source>
        <translation>Bloquear com PIN</translation>
    </message>
    <message>
        <source>Manage Lineup...</source>
        <translation>Gerenciar grade...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked. Enter the PIN to show it.</source>
        <translation>&quot;%1&quot; está bloqueado. Digite o PIN para mostrá-lo.</translation>
    </message>
    <message>
        <source>Guide Channel...</source>
        <translation>Canal do guia...</translation>
    </message>
    <message>
        <source>Provider&apos;s name: %1</source>
        <translation>Nome do provedor: %1</translation>
    </message>
    <message>
        <source>Lock Again</source>
        <translation>Bloquear novamente</translation>
    </message>
</context>
<context>
    <name>LoadingOverlay</name>
    <message>
        <source>Loading...</source>
        <translation>Carregando...</translation>
    </message>
</context>
<context>
    <name>LocalPairingBackend</name>
    <message>
        <source>This computer is not connected to a home network, so a phone cannot reach it. Connect it to your Wi-Fi or network cable, then get a new code.</source>
        <translation>Este computador não está conectado a uma rede doméstica, então o celular não consegue alcançá-lo. Conecte-o ao seu Wi-Fi ou cabo de rede e obtenha um novo código.</translation>
    </message>
    <message>
        <source>Could not start pairing on this computer (%1): %2</source>
        <translation>Não foi possível iniciar o pareamento neste computador (%1): %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Preferências não salvas</translation>
    </message>
    <message>
        <source>Your servers and settings could not be saved to %1.

Changes made now will be lost when the player closes. Check that this file and its folder can be written.</source>
        <translation>Não foi possível salvar seus servidores e preferências em %1.

As alterações feitas agora serão perdidas quando o player for fechado. Verifique se é possível gravar neste arquivo e na pasta dele.</translation>
    </message>
    <message>
        <source>Quorbin</source>
        <translation>Quorbin</translation>
    </message>
    <message>
        <source>Live TV</source>
        <translation>TV ao vivo</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filmes</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Séries</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>The archive stream ended before the programme.</source>
        <translation>A transmissão do acervo terminou antes do programa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Nothing playing</source>
        <translation>Nada em reprodução</translation>
    </message>
    <message>
        <source>Playback stopped: %1</source>
        <translation>Reprodução interrompida: %1</translation>
    </message>
    <message>
        <source>Reconnecting to %1... (attempt %2)</source>
        <translation>Reconectando a %1... (tentativa %2)</translation>
    </message>
    <message>
        <source>Playback Error</source>
        <translation>Erro de reprodução</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
</context>
<context>
    <name>ManageLineupDialog</name>
    <message>
        <source>Manage Lineup</source>
        <translation>Gerenciar grade</translation>
    </message>
    <message>
        <source>Section:</source>
        <translation>Seção:</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filmes</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Séries</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Ocultos</translation>
    </message>
    <message>
        <source>Channels without Guide</source>
        <translation>Canais sem guia</translation>
    </message>
    <message>
        <source>Guide Sources</source>
        <translation>Fontes do guia</translation>
    </message>
    <message>
        <source>Filter categories...</source>
        <translation>Filtrar categorias...</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostrar todas</translation>
    </message>
    <message>
        <source>Hide All</source>
        <translation>Ocultar todas</translation>
    </message>
    <message>
        <source>Checked categories are shown; drag to reorder.</source>
        <translation>As categorias marcadas são mostradas; arraste para reordenar.</translation>
    </message>
    <message>
        <source>No longer offered by this server</source>
        <translation>Não está mais disponível neste servidor</translation>
    </message>
    <message>
        <source>Hidden channels, movies and shows:</source>
        <translation>Canais, filmes e séries ocultos:</translation>
    </message>
    <message>
        <source>Show Again</source>
        <translation>Mostrar novamente</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Esquecer</translation>
    </message>
    <message>
        <source>Drops every choice made for the selected entries</source>
        <translation>Descarta todas as escolhas feitas para os itens selecionados</translation>
    </message>
    <message>
        <source>Channels the guide has nothing for:</source>
        <translation>Canais sem nada no guia:</translation>
    </message>
    <message>
        <source>Guide channels with a similar name:</source>
        <translation>Canais do guia com nome parecido:</translation>
    </message>
    <message>
        <source>Use This Guide Channel</source>
        <translation>Usar este canal do guia</translation>
    </message>
    <message>
        <source>%1 (%2) - %3%</source>
        <translation>%1 (%2) - %3%</translation>
    </message>
    <message>
        <source>%1 (%2) - %3% - now: %4</source>
        <translation>%1 (%2) - %3% - agora: %4</translation>
    </message>
    <message>
        <source>The guide is read from these, in this order; for each channel the first that has it wins.</source>
        <translation>O guia é lido destas fontes, nesta ordem; para cada canal, vale a primeira que o tiver.</translation>
    </message>
    <message>
        <source>Add Address...</source>
        <translation>Adicionar endereço...</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Adicionar arquivo...</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Guide Address</source>
        <translation>Endereço do guia</translation>
    </message>
    <message>
        <source>XMLTV address (http or https):</source>
        <translation>Endereço XMLTV (http ou https):</translation>
    </message>
    <message>
        <source>Guide File</source>
        <translation>Arquivo do guia</translation>
    </message>
    <message>
        <source>XMLTV files (*.xml *.xml.gz *.gz)</source>
        <translation>Arquivos XMLTV (*.xml *.xml.gz *.gz)</translation>
    </message>
    <message>
        <source>The server&apos;s own guide</source>
        <translation>O guia do próprio servidor</translation>
    </message>
</context>
<context>
    <name>MediaInfo</name>
    <message>
        <source>Track %1</source>
        <translation>Faixa %1</translation>
    </message>
    <message>
        <source>Video codec: %1
Resolution: %2x%3
Frame rate: %4 fps

</source>
        <translation>Codec de vídeo: %1
Resolução: %2x%3
Taxa de quadros: %4 fps

</translation>
    </message>
    <message>
        <source>Audio codec: %1
Sample rate: %2 Hz
Channels: %3

</source>
        <translation>Codec de áudio: %1
Taxa de amostragem: %2 Hz
Canais: %3

</translation>
    </message>
    <message>
        <source>Audio tracks:
</source>
        <translation>Faixas de áudio:
</translation>
    </message>
    <message>
        <source>Subtitle tracks:
</source>
        <translation>Faixas de legenda:
</translation>
    </message>
    <message>
        <source>Input bitrate: %1 kbps
Demux bitrate: %2 kbps
Decoded video blocks: %3
Decoded audio blocks: %4
Displayed frames: %5   Lost frames: %6
</source>
        <translation>Taxa de bits de entrada: %1 kbps
Taxa de bits do demux: %2 kbps
Blocos de vídeo decodificados: %3
Blocos de áudio decodificados: %4
Quadros exibidos: %5   Quadros perdidos: %6
</translation>
    </message>
    <message>
        <source>No track information available yet.</source>
        <translation>Ainda não há informações das faixas.</translation>
    </message>
</context>
<context>
    <name>MultiViewController</name>
    <message>
        <source>Reconnecting…</source>
        <translation>Reconectando…</translation>
    </message>
    <message>
        <source>Multi-view</source>
        <translation>Multivisão</translation>
    </message>
    <message>
        <source>Watch two to four channels at once (Ctrl+M)</source>
        <translation>Assistir de dois a quatro canais ao mesmo tempo (Ctrl+M)</translation>
    </message>
    <message>
        <source>2 tiles, side by side</source>
        <translation>2 quadros, lado a lado</translation>
    </message>
    <message>
        <source>3 tiles, one large and two small</source>
        <translation>3 quadros, um grande e dois pequenos</translation>
    </message>
    <message>
        <source>4 tiles, 2 × 2</source>
        <translation>4 quadros, 2 × 2</translation>
    </message>
    <message>
        <source>%1 is a channel of the server &quot;%2&quot;. Show that server to watch it here.</source>
        <translation>%1 é um canal do servidor &quot;%2&quot;. Mostre esse servidor para assistir a ele aqui.</translation>
    </message>
    <message>
        <source>Multi-view Not Saved</source>
        <translation>Multivisão não salva</translation>
    </message>
    <message>
        <source>Drag a channel here from a list, the search (Ctrl+F) or the TV Guide, or select this tile and play a channel as usual (Return or double-click).</source>
        <translation>Arraste um canal de uma lista, da pesquisa (Ctrl+F) ou do Guia de TV para cá, ou selecione este quadro e reproduza um canal como de costume (Enter ou clique duplo).</translation>
    </message>
    <message>
        <source>Playing: %1</source>
        <translation>Reproduzindo: %1</translation>
    </message>
    <message>
        <source>No channel in this tile</source>
        <translation>Nenhum canal neste quadro</translation>
    </message>
</context>
<context>
    <name>MultiViewTile</name>
    <message>
        <source>%1 · Now: %2</source>
        <translation>%1 · Agora: %2</translation>
    </message>
</context>
<context>
    <name>PairDialog</name>
    <message>
        <source>Waiting for your phone... (expires in %1:%2)</source>
        <translation>Aguardando seu celular... (expira em %1:%2)</translation>
    </message>
    <message>
        <source>On your phone, scan the QR code or open &lt;b&gt;%1&lt;/b&gt;, then enter this code:</source>
        <translation>No celular, leia o código QR ou abra &lt;b&gt;%1&lt;/b&gt; e digite este código:</translation>
    </message>
    <message>
        <source>Your phone will show this computer as %1%2%3</source>
        <extracomment>%1 and %3 are quotation marks around the computer&apos;s name %2.</extracomment>
        <translation>Seu celular mostrará este computador como %1%2%3</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1
Fix it on your phone and send it again with the new code.</source>
        <translation>Não funcionou: %1
Corrija no celular e envie novamente com o novo código.</translation>
    </message>
    <message>
        <source>This code has expired.</source>
        <translation>Este código expirou.</translation>
    </message>
    <message>
        <source>Get a new code</source>
        <translation>Obter novo código</translation>
    </message>
    <message>
        <source>Quorbin Subscription</source>
        <translation>Assinatura Quorbin</translation>
    </message>
    <message>
        <source>Getting a code...</source>
        <translation>Obtendo um código...</translation>
    </message>
    <message>
        <source>Received. Checking the server...</source>
        <translation>Recebido. Verificando o servidor...</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach that server: the link must start with http:// or https://</source>
        <translation>Não foi possível acessar o servidor: o link deve começar com http:// ou https://</translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: the link must start with http:// or https://</source>
        <translation>Não foi possível baixar a playlist: o link deve começar com http:// ou https://</translation>
    </message>
    <message>
        <source>Couldn&apos;t download that playlist: %1</source>
        <translation>Não foi possível baixar a playlist: %1</translation>
    </message>
    <message>
        <source>That playlist link didn&apos;t load any channels. Check that it&apos;s correct and still active.</source>
        <translation>O link da playlist não carregou nenhum canal. Verifique se ele está correto e ainda ativo.</translation>
    </message>
    <message>
        <source>Your phone must be on the same network as this computer.&lt;br&gt;If this computer has a firewall, let in TCP port %1 for it.&lt;br&gt;%2</source>
        <translation>Seu celular deve estar na mesma rede que este computador.&lt;br&gt;Se este computador tiver firewall, libere a porta TCP %1 para ele.&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Address for the phone:</source>
        <translation>Endereço para o celular:</translation>
    </message>
    <message>
        <source>The pairing service lost this code, perhaps because it restarted. Enter the new code below on your phone.</source>
        <translation>O serviço de pareamento perdeu este código, talvez porque foi reiniciado. Digite o novo código abaixo no celular.</translation>
    </message>
</context>
<context>
    <name>PairingClient</name>
    <message>
        <source>Could not reach the server: %1</source>
        <translation>Não foi possível acessar o servidor: %1</translation>
    </message>
    <message>
        <source>Invalid response from the server</source>
        <translation>Resposta inválida do servidor</translation>
    </message>
</context>
<context>
    <name>PairingPages</name>
    <message>
        <source>That was too much to send.</source>
        <translation>Dados demais para enviar.</translation>
    </message>
    <message>
        <source>That code isn&apos;t valid. Check the code shown on your computer.</source>
        <translation>Este código não é válido. Verifique o código mostrado no computador.</translation>
    </message>
    <message>
        <source>That code has expired. Get a new code on your computer.</source>
        <translation>Este código expirou. Obtenha um novo código no computador.</translation>
    </message>
    <message>
        <source>Details were already sent with that code. Get a new code on your computer to send them again.</source>
        <translation>Os dados já foram enviados com este código. Obtenha um novo código no computador para enviá-los novamente.</translation>
    </message>
    <message>
        <source>The pairing service is unavailable right now. Try again in a moment.</source>
        <translation>O serviço de pareamento está indisponível no momento. Tente novamente daqui a pouco.</translation>
    </message>
    <message>
        <source>Choose the kind of server: Xtream Codes or M3U playlist.</source>
        <translation>Escolha o tipo de servidor: Xtream Codes ou playlist M3U.</translation>
    </message>
    <message>
        <source>Enter a name for the server.</source>
        <translation>Digite um nome para o servidor.</translation>
    </message>
    <message>
        <source>The address is too long.</source>
        <translation>O endereço é longo demais.</translation>
    </message>
    <message>
        <source>The name, address and user name cannot contain line breaks.</source>
        <translation>O nome, o endereço e o nome de usuário não podem conter quebras de linha.</translation>
    </message>
    <message>
        <source>Enter the user name.</source>
        <translation>Digite o nome de usuário.</translation>
    </message>
    <message>
        <source>Enter the password.</source>
        <translation>Digite a senha.</translation>
    </message>
    <message>
        <source>The user name or password is too long.</source>
        <translation>O nome de usuário ou a senha é longo demais.</translation>
    </message>
    <message>
        <source>Choose the live format: TS or HLS (m3u8).</source>
        <translation>Escolha o formato ao vivo: TS ou HLS (m3u8).</translation>
    </message>
</context>
<context>
    <name>PairingServer</name>
    <message>
        <source>The pairing service was restarted and lost this code. Get a new code on your computer.</source>
        <translation>O serviço de pareamento foi reiniciado e perdeu este código. Obtenha um novo código no computador.</translation>
    </message>
</context>
<context>
    <name>ParentalLockPage</name>
    <message>
        <source>A PIN is set. Give it to change or remove it.</source>
        <translation>Um PIN está definido. Digite-o para alterá-lo ou removê-lo.</translation>
    </message>
    <message>
        <source>Set a PIN of 4 to 8 digits to lock categories and channels.</source>
        <translation>Defina um PIN de 4 a 8 dígitos para bloquear categorias e canais.</translation>
    </message>
    <message>
        <source>Current PIN:</source>
        <translation>PIN atual:</translation>
    </message>
    <message>
        <source>New PIN:</source>
        <translation>Novo PIN:</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Repetir:</translation>
    </message>
    <message>
        <source>Remove the PIN (locks stop working)</source>
        <translation>Remover o PIN (os bloqueios deixam de funcionar)</translation>
    </message>
    <message>
        <source>Offer to lock categories
whose names contain
(one per line):</source>
        <translation>Sugerir o bloqueio de categorias
cujo nome contenha
(um por linha):</translation>
    </message>
    <message>
        <source>Parental Lock</source>
        <translation>Bloqueio parental</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation>
            <numerusform>Muitos PINs incorretos. Tente novamente em %n segundo.</numerusform>
            <numerusform>Muitos PINs incorretos. Tente novamente em %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The current PIN is not right; the PIN was not changed.</source>
        <translation>O PIN atual está incorreto; o PIN não foi alterado.</translation>
    </message>
    <message>
        <source>The new PIN and its repetition differ; the PIN was not changed.</source>
        <translation>O novo PIN e a repetição são diferentes; o PIN não foi alterado.</translation>
    </message>
    <message>
        <source>A PIN has 4 to 8 digits; the PIN was not changed.</source>
        <translation>Um PIN tem de 4 a 8 dígitos; o PIN não foi alterado.</translation>
    </message>
</context>
<context>
    <name>PinDialog</name>
    <message>
        <source>Parental Lock</source>
        <translation>Bloqueio parental</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Unlock for an hour only</source>
        <translation>Desbloquear só por uma hora</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong PINs. Try again in %n second(s).</source>
        <translation>
            <numerusform>Muitos PINs incorretos. Tente novamente em %n segundo.</numerusform>
            <numerusform>Muitos PINs incorretos. Tente novamente em %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN.</source>
        <translation>PIN incorreto.</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>Playing: %1</source>
        <translation>Reproduzindo: %1</translation>
    </message>
    <message>
        <source>Too Many Streams</source>
        <translation>Transmissões demais</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not started: this server allows %n stream(s) at once, and all are in use (%2).</source>
        <translation>
            <numerusform>%1 não foi iniciado: este servidor permite %n transmissão por vez, e ela está em uso (%2).</numerusform>
            <numerusform>%1 não foi iniciado: este servidor permite %n transmissões por vez, e todas estão em uso (%2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerPanel</name>
    <message>
        <source>Nothing playing</source>
        <translation>Nada em reprodução</translation>
    </message>
    <message>
        <source>&lt;&lt; 10s</source>
        <translation>&lt;&lt; 10s</translation>
    </message>
    <message>
        <source>10s &gt;&gt;</source>
        <translation>10s &gt;&gt;</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Next Episode</source>
        <translation>Próximo episódio</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <source>Vol:</source>
        <translation>Vol:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>PlaylistDownload</name>
    <message>
        <source>the playlist is larger than 1 GB</source>
        <translation>a playlist é maior que 1 GB</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Your preferences could not be saved to %1. Check that this file and its folder can be written.</source>
        <translation>Não foi possível salvar suas preferências em %1. Verifique se é possível gravar neste arquivo e na pasta dele.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Preferences Not Saved</source>
        <translation>Preferências não salvas</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferências...</translation>
    </message>
</context>
<context>
    <name>RecordingFlow</name>
    <message>
        <source>Recordings Not Saved</source>
        <translation>Gravações não salvas</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Gravações</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Record this channel (R)</source>
        <translation>Gravar este canal (R)</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>Cancel Recording</source>
        <translation>Cancelar gravação</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Detalhes...</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete Recording</source>
        <translation>Excluir gravação</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; and its file?</source>
        <translation>Excluir &quot;%1&quot; e o arquivo correspondente?</translation>
    </message>
    <message>
        <source>Recording Not Deleted</source>
        <translation>Gravação não excluída</translation>
    </message>
    <message>
        <source>Not Recording</source>
        <translation>Não gravado</translation>
    </message>
    <message>
        <source>Record Series</source>
        <translation>Gravar série</translation>
    </message>
    <message>
        <source>Recording Stopped</source>
        <translation>Gravação interrompida</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Download Failed</source>
        <translation>Falha no download</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be downloaded: the channel gives no archive address.</source>
        <translation>&quot;%1&quot; não pode ser baixado: o canal não fornece um endereço de acervo.</translation>
    </message>
    <message>
        <source>Not Downloaded</source>
        <translation>Não baixado</translation>
    </message>
</context>
<context>
    <name>RecordingManager</name>
    <message>
        <source>%1 is already being recorded.</source>
        <translation>%1 já está sendo gravado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already planned.</source>
        <translation>&quot;%1&quot; já está agendado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is over; only the archive can still have it.</source>
        <translation>&quot;%1&quot; já terminou; só o acervo ainda pode tê-lo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already being downloaded.</source>
        <translation>&quot;%1&quot; já está sendo baixado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being recorded; stop it first.</source>
        <translation>&quot;%1&quot; ainda está sendo gravado; pare a gravação primeiro.</translation>
    </message>
    <message>
        <source>%1 could not be deleted. Check that its folder can be written.</source>
        <translation>Não foi possível excluir %1. Verifique se é possível gravar na pasta dele.</translation>
    </message>
    <message>
        <source>The program was closed during the recording.</source>
        <translation>O programa foi fechado durante a gravação.</translation>
    </message>
    <message>
        <source>The program was not running at the time of the recording.</source>
        <translation>O programa não estava em execução no horário da gravação.</translation>
    </message>
    <message>
        <source>Recording: %1</source>
        <translation>Gravando: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not start: the server allows %2 streams at once and these are open: %3.</source>
        <translation>&quot;%1&quot; não pôde começar: o servidor permite %2 transmissões simultâneas e estas estão abertas: %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be recorded: its server is no longer set up.</source>
        <translation>&quot;%1&quot; não pôde ser gravado: seu servidor não está mais configurado.</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Baixando: %1</translation>
    </message>
    <message>
        <source>Stopped before the end: the file holds only the part that arrived.</source>
        <translation>Interrompido antes do fim: o arquivo contém apenas a parte que chegou.</translation>
    </message>
</context>
<context>
    <name>RecordingPlan</name>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be recorded: together with %n other recording(s) at that time and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation>
            <numerusform>&quot;%1&quot; não pode ser gravado: junto com %n outra gravação nesse horário e o que você assiste, seriam necessárias %2 transmissões simultâneas, e o servidor permite %3.</numerusform>
            <numerusform>&quot;%1&quot; não pode ser gravado: junto com %n outras gravações nesse horário e o que você assiste, seriam necessárias %2 transmissões simultâneas, e o servidor permite %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; cannot be downloaded now: together with %n recording(s) running meanwhile and what you watch it needs %2 streams at once, and the server allows %3.</source>
        <translation>
            <numerusform>&quot;%1&quot; não pode ser baixado agora: junto com %n gravação em andamento nesse meio-tempo e o que você assiste, seriam necessárias %2 transmissões simultâneas, e o servidor permite %3.</numerusform>
            <numerusform>&quot;%1&quot; não pode ser baixado agora: junto com %n gravações em andamento nesse meio-tempo e o que você assiste, seriam necessárias %2 transmissões simultâneas, e o servidor permite %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordingPreferencesPage</name>
    <message>
        <source>Choose...</source>
        <translation>Escolher...</translation>
    </message>
    <message>
        <source>Folder for recordings:</source>
        <translation>Pasta das gravações:</translation>
    </message>
    <message>
        <source>Folder for Recordings</source>
        <translation>Pasta das gravações</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Start programmes from the guide earlier by:</source>
        <translation>Iniciar programas do guia mais cedo em:</translation>
    </message>
    <message>
        <source>End them later by:</source>
        <translation>Terminá-los mais tarde em:</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>A paused live channel goes on arriving into a buffer on disk; only its newest part of this length is kept.</source>
        <translation>Um canal ao vivo pausado continua chegando a um buffer no disco; só é mantida a parte mais recente com essa duração.</translation>
    </message>
    <message>
        <source>Pause buffer for live TV:</source>
        <translation>Buffer de pausa da TV ao vivo:</translation>
    </message>
</context>
<context>
    <name>RecordingStore</name>
    <message>
        <source>The list of recordings in %1 could not be updated (%2: %3). Check that the file and its folder can be written.</source>
        <translation>Não foi possível atualizar a lista de gravações em %1 (%2: %3). Verifique se é possível gravar no arquivo e na pasta dele.</translation>
    </message>
</context>
<context>
    <name>RecordingTray</name>
    <message numerus="yes">
        <source>%n recording(s) are running.</source>
        <translation>
            <numerusform>%n gravação em andamento.</numerusform>
            <numerusform>%n gravações em andamento.</numerusform>
        </translation>
    </message>
    <message>
        <source>A recording is planned within the next day.</source>
        <translation>Há uma gravação agendada para as próximas 24 horas.</translation>
    </message>
    <message>
        <source>Recordings Need the Player</source>
        <translation>As gravações precisam do player</translation>
    </message>
    <message>
        <source>%1 Recordings need the program open, and this desktop has no system tray to keep it in. Close anyway?</source>
        <translation>%1 As gravações precisam do programa aberto, e esta área de trabalho não tem bandeja do sistema para mantê-lo. Fechar mesmo assim?</translation>
    </message>
    <message>
        <source>Keep Recording?</source>
        <translation>Continuar gravando?</translation>
    </message>
    <message>
        <source>%1 Keep the program running in the system tray until they are done?</source>
        <translation>%1 Manter o programa em execução na bandeja do sistema até que terminem?</translation>
    </message>
    <message>
        <source>Keep Running in Tray</source>
        <translation>Manter na bandeja</translation>
    </message>
    <message>
        <source>Quit and Stop Recording</source>
        <translation>Sair e parar gravação</translation>
    </message>
    <message>
        <source>Show Player</source>
        <translation>Mostrar player</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Velmora Player is recording</source>
        <translation>Velmora Player está gravando</translation>
    </message>
</context>
<context>
    <name>SearchEverythingDialog</name>
    <message>
        <source>Search Everything</source>
        <translation>Pesquisar em tudo</translation>
    </message>
    <message>
        <source>Search channels, movies, shows and programmes...</source>
        <translation>Pesquisar canais, filmes, séries e programas...</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ServerSelector</name>
    <message>
        <source>Signing in with a Quorbin subscription key is no longer supported. Add your server again with its Xtream login or M3U playlist link.</source>
        <translation>Não é mais possível entrar com uma chave de assinatura Quorbin. Adicione seu servidor novamente com o login Xtream ou o link da playlist M3U.</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Add Server...</source>
        <translation>Adicionar servidor...</translation>
    </message>
    <message>
        <source>Edit Server...</source>
        <translation>Editar servidor...</translation>
    </message>
    <message>
        <source>Refresh Playlist</source>
        <translation>Atualizar playlist</translation>
    </message>
    <message>
        <source>%1 (no longer supported)</source>
        <translation>%1 (sem suporte)</translation>
    </message>
    <message>
        <source>Add your server again</source>
        <translation>Adicione seu servidor novamente</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Adicionar servidor</translation>
    </message>
    <message>
        <source>Please provide a valid URL/path.</source>
        <translation>Informe um URL/caminho válido.</translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation>Editar servidor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was added with a Quorbin subscription key.

%2

Delete &quot;%1&quot; now?</source>
        <translation>&quot;%1&quot; foi adicionado com uma chave de assinatura Quorbin.

%2

Excluir &quot;%1&quot; agora?</translation>
    </message>
    <message>
        <source>Server no longer supported</source>
        <translation>Servidor sem suporte</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Quorbin Subscription</source>
        <translation>Assinatura Quorbin</translation>
    </message>
    <message>
        <source>Type the server&apos;s details on your phone instead, using a code shown here</source>
        <translation>Digite os dados do servidor no celular, usando um código mostrado aqui</translation>
    </message>
    <message>
        <source>Or enter the server&apos;s details here:</source>
        <translation>Ou digite os dados do servidor aqui:</translation>
    </message>
    <message>
        <source>M3U Playlist</source>
        <translation>Playlist M3U</translation>
    </message>
    <message>
        <source>Xtream Codes</source>
        <translation>Xtream Codes</translation>
    </message>
    <message>
        <source>Server Type:</source>
        <translation>Tipo de servidor:</translation>
    </message>
    <message>
        <source>http://example.com/playlist.m3u or local file path</source>
        <translation>http://example.com/playlist.m3u ou caminho de arquivo local</translation>
    </message>
    <message>
        <source>Upload File...</source>
        <translation>Carregar arquivo...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Playlist URL/File:</source>
        <translation>URL/arquivo da playlist:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Testar conexão</translation>
    </message>
    <message>
        <source>Server URL:</source>
        <translation>URL do servidor:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nome de usuário:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Live Stream Format:</source>
        <translation>Formato da transmissão ao vivo:</translation>
    </message>
    <message>
        <source>Empty: the server&apos;s own guide</source>
        <translation>Vazio: o guia do próprio servidor</translation>
    </message>
    <message>
        <source> h</source>
        <translation> h</translation>
    </message>
    <message>
        <source>Guide URL:</source>
        <translation>URL do guia:</translation>
    </message>
    <message>
        <source>Guide time offset:</source>
        <translation>Ajuste de horário do guia:</translation>
    </message>
    <message>
        <source>Delete Server</source>
        <translation>Excluir servidor</translation>
    </message>
    <message>
        <source>Edit Server</source>
        <translation>Editar servidor</translation>
    </message>
    <message>
        <source>Add Server</source>
        <translation>Adicionar servidor</translation>
    </message>
    <message>
        <source>Upload M3U Playlist</source>
        <translation>Carregar playlist M3U</translation>
    </message>
    <message>
        <source>Playlists (*.m3u *.m3u8);;All Files (*)</source>
        <translation>Playlists (*.m3u *.m3u8);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>Testando...</translation>
    </message>
    <message>
        <source>Connection OK</source>
        <translation>Conexão OK</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Falha: %1</translation>
    </message>
    <message>
        <source>Delete server &quot;%1&quot;? This cannot be undone.</source>
        <translation>Excluir o servidor &quot;%1&quot;? Esta ação não pode ser desfeita.</translation>
    </message>
    <message>
        <source>Xtream Account</source>
        <translation>Conta Xtream</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sem limite</translation>
    </message>
    <message>
        <source>Connections allowed:</source>
        <translation>Conexões permitidas:</translation>
    </message>
</context>
<context>
    <name>StallTracker</name>
    <message>
        <source>The stream stopped advancing for %1 seconds.</source>
        <translation>A transmissão parou de avançar por %1 segundos.</translation>
    </message>
</context>
<context>
    <name>StreamRecorder</name>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream; nothing could be recorded. The account or the channel may no longer be active.</source>
        <translation>O servidor enviou uma página da web em vez da transmissão do canal; nada pôde ser gravado. A conta ou o canal talvez não estejam mais ativos.</translation>
    </message>
    <message>
        <source>The disk is full: the recording stopped after %1. What was recorded is kept in %2.</source>
        <translation>O disco está cheio: a gravação parou após %1. O que foi gravado está em %2.</translation>
    </message>
    <message>
        <source>The recording could not be written to %1 and stopped after %2. What was recorded is kept.</source>
        <translation>Não foi possível gravar em %1 e a gravação parou após %2. O que foi gravado foi mantido.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written, so nothing was recorded. Choose another folder for recordings in the preferences.</source>
        <translation>Não é possível gravar na pasta %1, então nada foi gravado. Escolha outra pasta para as gravações nas preferências.</translation>
    </message>
    <message>
        <source>The server refused the connection for the recording (HTTP status %1). It may allow no more streams at once for this account, or no longer offer the channel.</source>
        <translation>O servidor recusou a conexão para a gravação (status HTTP %1). Talvez ele não permita mais transmissões simultâneas nesta conta ou não ofereça mais o canal.</translation>
    </message>
    <message>
        <source>The server refused the download (HTTP status %1). It may no longer keep this programme, or allow no more streams at once for this account.</source>
        <translation>O servidor recusou o download (status HTTP %1). Talvez ele não mantenha mais este programa ou não permita mais transmissões simultâneas nesta conta.</translation>
    </message>
    <message>
        <source>The server broke off the download after %1; what arrived is kept.</source>
        <translation>O servidor interrompeu o download após %1; o que foi recebido foi mantido.</translation>
    </message>
</context>
<context>
    <name>TileViewing</name>
    <message numerus="yes">
        <source>Not started: this server allows %n stream(s) at once, and all are in use (%1). Close one of them to watch this channel here.</source>
        <translation>
            <numerusform>Não iniciado: este servidor permite %n transmissão por vez, e ela está em uso (%1). Feche-a para assistir a este canal aqui.</numerusform>
            <numerusform>Não iniciado: este servidor permite %n transmissões por vez, e todas estão em uso (%1). Feche uma delas para assistir a este canal aqui.</numerusform>
        </translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Conectando a %1…</translation>
    </message>
    <message>
        <source>Reconnecting to %1… (attempt %2)</source>
        <translation>Reconectando a %1… (tentativa %2)</translation>
    </message>
    <message>
        <source>Multi-view: %1</source>
        <translation>Multivisão: %1</translation>
    </message>
</context>
<context>
    <name>TimeShiftBuffer</name>
    <message>
        <source>The disk holding %1 is full, so the channel can no longer be paused. It plays live again.</source>
        <translation>O disco onde está %1 está cheio, então o canal não pode mais ser pausado. Ele volta a ser exibido ao vivo.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so the channel can no longer be paused. It plays live again.</source>
        <translation>Não é possível gravar em %1, então o canal não pode mais ser pausado. Ele volta a ser exibido ao vivo.</translation>
    </message>
    <message>
        <source>The server refused the connection for the pause buffer (HTTP status %1), so the channel cannot be paused. It may allow no more streams at once for this account. The channel plays live again.</source>
        <translation>O servidor recusou a conexão para o buffer de pausa (status HTTP %1), então o canal não pode ser pausado. Talvez ele não permita mais transmissões simultâneas nesta conta. O canal volta a ser exibido ao vivo.</translation>
    </message>
    <message>
        <source>The server sent a web page instead of the channel&apos;s stream, so the channel cannot be paused. The channel plays live again.</source>
        <translation>O servidor enviou uma página da web em vez da transmissão do canal, então o canal não pode ser pausado. O canal volta a ser exibido ao vivo.</translation>
    </message>
    <message>
        <source>The channel sends its stream in a form that cannot be kept on disk, so it cannot be paused. The channel plays live again.</source>
        <translation>O canal envia a transmissão em um formato que não pode ser guardado no disco, então ele não pode ser pausado. O canal volta a ser exibido ao vivo.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so the channel cannot be paused.</source>
        <translation>Não é possível gravar em %1, então o canal não pode ser pausado.</translation>
    </message>
</context>
<context>
    <name>TimeShiftFlow</name>
    <message>
        <source>Pause Ended</source>
        <translation>Pausa encerrada</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Ao vivo</translation>
    </message>
    <message>
        <source>Back to the live picture (L)</source>
        <translation>Voltar à imagem ao vivo (L)</translation>
    </message>
    <message>
        <source>-%1</source>
        <comment>how far the picture is behind live</comment>
        <translation>-%1</translation>
    </message>
</context>
<context>
    <name>TrackMenus</name>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Load Subtitle File...</source>
        <translation>Carregar arquivo de legendas...</translation>
    </message>
    <message>
        <source>No audio tracks</source>
        <translation>Nenhuma faixa de áudio</translation>
    </message>
    <message>
        <source>Load Subtitle File</source>
        <translation>Carregar arquivo de legendas</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.sub *.vtt);;All Files (*)</source>
        <translation>Legendas (*.srt *.ass *.ssa *.sub *.vtt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Stream Info</source>
        <translation>Informações da transmissão</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
</context>
<context>
    <name>VlcPlayer</name>
    <message>
        <source>Could not create media for URL: %1</source>
        <translation>Não foi possível criar a mídia para o URL: %1</translation>
    </message>
    <message>
        <source>Playback failed to start for: %1</source>
        <translation>Falha ao iniciar a reprodução de: %1</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Faixa %1</translation>
    </message>
    <message>
        <source>No player.</source>
        <translation>Nenhum player.</translation>
    </message>
    <message>
        <source>No media loaded.</source>
        <translation>Nenhuma mídia carregada.</translation>
    </message>
    <message>
        <source>Reached the end of the stream (this can also happen if a seek landed somewhere the stream couldn&apos;t resume from).</source>
        <translation>Fim da transmissão alcançado (isso também pode acontecer se um avanço ou retrocesso parou num ponto de onde a transmissão não conseguiu continuar).</translation>
    </message>
    <message>
        <source>libVLC encountered an error while streaming.</source>
        <translation>O libVLC encontrou um erro durante a transmissão.</translation>
    </message>
    <message>
        <source>The live stream stopped sending data.</source>
        <translation>A transmissão ao vivo parou de enviar dados.</translation>
    </message>
    <message>
        <source>Could not create media for a file being written.</source>
        <translation>Não foi possível criar a mídia para um arquivo que ainda está sendo escrito.</translation>
    </message>
    <message>
        <source>Playback failed to start.</source>
        <translation>Falha ao iniciar a reprodução.</translation>
    </message>
</context>
<context>
    <name>XmltvReader</name>
    <message>
        <source>the guide is larger than %1 MB</source>
        <translation>o guia é maior que %1 MB</translation>
    </message>
    <message>
        <source>the guide is not valid XMLTV (line %1: %2)</source>
        <translation>o guia não é XMLTV válido (linha %1: %2)</translation>
    </message>
    <message>
        <source>the compressed guide is damaged (%1)</source>
        <translation>o guia compactado está danificado (%1)</translation>
    </message>
    <message>
        <source>could not start inflating the guide</source>
        <translation>não foi possível começar a descompactar o guia</translation>
    </message>
    <message>
        <source>the server sent no XMLTV guide (the document is &lt;%1&gt;)</source>
        <translation>o servidor não enviou um guia XMLTV (o documento é &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>the compressed guide is cut short</source>
        <translation>o guia compactado está incompleto</translation>
    </message>
    <message>
        <source>the guide is empty</source>
        <translation>o guia está vazio</translation>
    </message>
    <message>
        <source>the guide&apos;s character set &quot;%1&quot; cannot be read: %2</source>
        <translation>o conjunto de caracteres &quot;%1&quot; do guia não pode ser lido: %2</translation>
    </message>
    <message>
        <source>it is not compatible with ASCII</source>
        <translation>não é compatível com ASCII</translation>
    </message>
</context>
<context>
    <name>XtreamClient</name>
    <message>
        <source>Could not reach server or invalid response</source>
        <translation>Não foi possível acessar o servidor ou a resposta é inválida</translation>
    </message>
    <message>
        <source>This account is not active on that server (status: %1)</source>
        <translation>Esta conta não está ativa nesse servidor (status: %1)</translation>
    </message>
    <message>
        <source>Authentication failed - check server URL, username, and password</source>
        <translation>Falha na autenticação - verifique o URL do servidor, o nome de usuário e a senha</translation>
    </message>
</context>
<context>
    <name>lineupexchange</name>
    <message>
        <source>The lineup in the file cannot be imported: %1 Nothing was changed.</source>
        <translation>A grade do arquivo não pode ser importada: %1 Nada foi alterado.</translation>
    </message>
    <message>
        <source>it is not a list of servers.</source>
        <translation>não é uma lista de servidores.</translation>
    </message>
    <message>
        <source>a server has no name.</source>
        <translation>um servidor não tem nome.</translation>
    </message>
    <message>
        <source>the server &quot;%1&quot; is listed twice.</source>
        <translation>o servidor &quot;%1&quot; aparece duas vezes.</translation>
    </message>
    <message>
        <source>the guide addresses of &quot;%1&quot; are not a list of at most %2.</source>
        <translation>os endereços do guia de &quot;%1&quot; não são uma lista de no máximo %2.</translation>
    </message>
    <message>
        <source>a guide address of &quot;%1&quot; is not valid.</source>
        <translation>um endereço do guia de &quot;%1&quot; não é válido.</translation>
    </message>
    <message>
        <source>the entries of &quot;%1&quot; are not a list.</source>
        <translation>os itens de &quot;%1&quot; não são uma lista.</translation>
    </message>
    <message>
        <source>it holds more than %1 entries.</source>
        <translation>contém mais de %1 itens.</translation>
    </message>
    <message>
        <source>entry %1 of &quot;%2&quot;: %3</source>
        <translation>item %1 de &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>not an object.</source>
        <translation>não é um objeto.</translation>
    </message>
    <message>
        <source>unknown type &quot;%1&quot;.</source>
        <translation>tipo desconhecido &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>unknown kind.</source>
        <translation>tipo de item desconhecido.</translation>
    </message>
    <message>
        <source>no id.</source>
        <translation>sem ID.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false.</source>
        <translation>&quot;%1&quot; não é verdadeiro nem falso.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text.</source>
        <translation>&quot;%1&quot; não é um texto.</translation>
    </message>
    <message>
        <source>the position is not a number from 0 to %1.</source>
        <translation>a posição não é um número de 0 a %1.</translation>
    </message>
    <message>
        <source>the time shift is not whole quarters of an hour.</source>
        <translation>o ajuste de horário não é um múltiplo de 15 minutos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed twice.</source>
        <translation>&quot;%1&quot; aparece duas vezes.</translation>
    </message>
    <message>
        <source>the server has no %1 with the id &quot;%2&quot;.</source>
        <translation>o servidor não tem %1 com o ID &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>category</source>
        <translation>categoria</translation>
    </message>
    <message>
        <source>item</source>
        <translation>item</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Open another window even when the player already runs with this profile.</source>
        <translation>Abrir outra janela mesmo quando o player já estiver em execução com este perfil.</translation>
    </message>
    <message>
        <source>Desktop player for internet television: Xtream Codes accounts and M3U playlists.
A second start shows the running player&apos;s window instead.</source>
        <translation>Player de desktop para televisão pela internet: contas Xtream Codes e playlists M3U.
Uma segunda inicialização mostra a janela do player em execução.</translation>
    </message>
    <message>
        <source>Velmora Player already runs; its window was brought to the front.</source>
        <translation>O Velmora Player já está em execução; a janela dele foi trazida para a frente.</translation>
    </message>
</context>
<context>
    <name>recordingtext</name>
    <message>
        <source>● %1</source>
        <translation>● %1</translation>
    </message>
    <message>
        <source>● %1 (recording)</source>
        <translation>● %1 (gravando)</translation>
    </message>
    <message>
        <source>%1 (planned)</source>
        <translation>%1 (agendado)</translation>
    </message>
    <message>
        <source>%1 (missed)</source>
        <translation>%1 (perdido)</translation>
    </message>
    <message>
        <source>%1 (failed)</source>
        <translation>%1 (com falha)</translation>
    </message>
    <message>
        <source>%1
%2 · %3 · %4 · %5</source>
        <translation>%1
%2 · %3 · %4 · %5</translation>
    </message>
    <message numerus="yes">
        <source>The stream broke off %n time(s); %1 are missing.</source>
        <translation>
            <numerusform>A transmissão foi interrompida %n vez; faltam %1.</numerusform>
            <numerusform>A transmissão foi interrompida %n vezes; faltam %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>↓ %1 (downloading)</source>
        <translation>↓ %1 (baixando)</translation>
    </message>
    <message>
        <source>↓ %1 (downloading, %2 %)</source>
        <translation>↓ %1 (baixando, %2%)</translation>
    </message>
    <message>
        <source>%1 (incomplete)</source>
        <translation>%1 (incompleto)</translation>
    </message>
</context>
</TS>
