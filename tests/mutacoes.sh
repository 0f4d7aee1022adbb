#!/usr/bin/env bash
# Mutation check of the test suite: applies each small fault below to the sources, one at a time,
# rebuilds, runs the suite and reports the faults no test caught. Every one must be caught.
#
#   tests/mutacoes.sh [-b BUILD] [ID...]     (default BUILD: build; default: every mutation)
#   MUTACOES_CTEST="-R test_calculo" tests/mutacoes.sh ...   extra ctest arguments
#
# The build directory must be configured already (scripts/test.sh does it). A mutated file is
# restored when its run ends, also on Ctrl+C; a copy left by a killed run is put back at start.
# Not part of .ci/run: a full pass rebuilds and tests about forty times.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
build=$raiz/build
if [ "${1:-}" = -b ]; then build=$(cd "$2" && pwd); shift 2; fi
cd "$raiz"

# id <TAB> file <TAB> text as it stands (once in the file) <TAB> mutated text; "\n" is a line end.
LISTA=$(cat <<'FIM'
gravacao-descarga	platform/gravacao.cpp	    if (!f.flush() || f.error() != QFileDevice::NoError)	    if (false)
cp1252-byte	platform/cp1252.cpp	return 0x80 + i;	return 0x81 + i;
opcoes-recentes	platform/opcoes.cpp	for (int k = 3; k >= 1; --k) {	for (int k = 3; k > 1; --k) {
instalacao-marca	platform/instalacao.cpp	return !InstaladoPeloSistema() && PastaAceitaFicheiros(	return PastaAceitaFicheiros(
ligacao-reparacao	platform/sistemaficheiros.cpp	return QFileInfo(caminho).isSymLink();	return QFileInfo(caminho).isSymLink() && caminho.isEmpty();
renovo-ligacao	updater/preparacao.cpp	if (LigacaoOuReparacao(caminho)) return true;	if (false) return true;
instalacao-documentos	platform/instalacao.cpp	    if (!xdg.isEmpty())\n        return xdg;	    if (xdg.isEmpty())\n        return xdg;
tempo-gregoriano	engine/tempo.cpp	(m == 10 && dia >= 15)	(m == 10 && dia > 15)
tempo-fuso	engine/tempo.cpp	(t.hora - t.fuso) / 24.0	(t.hora + t.fuso) / 24.0
casas-cuspide	engine/casas.cpp	(p >= c1 && p < c2)	(p > c1 && p < c2)
casas-intermedia	engine/casas.cpp	(n == 2 ? A / 3.0	(n == 3 ? A / 3.0
posicao-segundos	engine/possigno.cpp	magnitude = graus + minutos / 60.0 + segundos / 3600.0	magnitude = graus + minutos / 60.0 - segundos / 3600.0
preciso-nodo	engine/motorpreciso.cpp	SE_TRUE_NODE, SE_MEAN_APOG	SE_MEAN_NODE, SE_MEAN_APOG
classico-quadrante	engine/planetas.cpp	    if (y < 0) L += PI_NATALIS;	    if (y > 0) L += PI_NATALIS;
aspecto-orbe	chart/aspectos.cpp	if (separacao <= orbe)	if (separacao < orbe)
orbes-linha	chart/orbes.cpp	{10, 9, 9, 8, 8, 8, 7, 7, 7, 6, 6, 6},	{9, 10, 9, 8, 8, 8, 7, 7, 7, 6, 6, 6},
orbes-incompleto	chart/orbes.cpp	if (n < N_VALORES_ORBES)	if (n < N_VALORES_ORBES - 1)
ficheiro-registo	chart/ficheiromapa.cpp	i <= 10 ? 10 + i : 27	i <= 10 ? 10 + i : 28
ficheiro-retrogrado	chart/ficheiromapa.cpp	QLatin1Char(',') + Flag(c.lblretrogrado[i]);	QLatin1Char(',') + Flag(!c.lblretrogrado[i]);
ficheiro-zona	chart/motormapa.cpp	valores.size() > 2 ? valores[2]	valores.size() > 3 ? valores[2]
partes-sinal	chart/calculo.cpp	ReduzCirculo(asc + marte - p[0])	ReduzCirculo(asc + marte + p[0])
retrogrado-preciso	chart/calculo.cpp	hoje.velocidades[i] < 0	hoje.velocidades[i] > 0
data-bissexto	chart/normalizatempo.cpp	return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0;	return ano % 4 == 0;
roda-ascendente	drawing/desenhos.cpp	ZeroAriesAngleAscendente(mapa.Cuspide(1)	ZeroAriesAngleAscendente(mapa.Cuspide(10)
roda-espalha	drawing/disposicao.cpp	c.tetaExacto + sinal * k * passo	c.tetaExacto + sinal * passo
grelha-coluna	drawing/grelha.cpp	d.coluna = k == 0 ? n + 1 : numero(n - k);	d.coluna = k == 0 ? n + 1 : numero(n - k - 1);
rtf-hexadecimal	interpretation/rtfleitura.cpp	pos += 2;\n            caractere(DeCp1252Byte	pos += 1;\n            caractere(DeCp1252Byte
rtf-chaveta	interpretation/rtfescrita.cpp	if (u == '\\' || u == '{' || u == '}') {	if (u == '\\' || u == '{') {
relatorio-repetido	interpretation/relatorio.cpp	if (t.trimmed().isEmpty() || onde == m_escritos.cend()) {	if (true) {
formula-seno	interpretation/evaluator.cpp	return (ex - emx) / 2;	return (ex + emx) / 2;
sintese-estelio	interpretation/sintese.cpp	if (e.corpos.size() >= 3)	if (e.corpos.size() >= 4)
pagina-titulo	interpretation/paginacao.cpp	if (paginaDe(layout->blockBoundingRect(b).top()) != 	if (false && paginaDe(layout->blockBoundingRect(b).top()) != 
pagina-cadeia	interpretation/paginacao.cpp	(seguinte.text().trimmed().isEmpty() || ETitulo(seguinte))	seguinte.text().trimmed().isEmpty()
pagina-tabela	interpretation/paginacao.cpp	const int ultima = std::min(t->rows(), kLinhasDeTabelaJuntas + 1) - 1;	const int ultima = 0;
sintese-hemisferio	interpretation/relatoriosintese.cpp	if (hemisferios[k] >= Sintese::kHemisferioMarcado)	if (hemisferios[k] > Sintese::kHemisferioMarcado)
sintese-fraco	interpretation/relatoriosintese.cpp	if (e.elementos[k] <= Sintese::kPontosFracos)	if (e.elementos[k] < Sintese::kPontosFracos)
sintese-fase	interpretation/sintese.cpp	return std::clamp(int(d / 45.0) + 1, 1, 8);	return std::clamp(int(d / 45.0), 1, 8);
sintese-angulos	interpretation/sintese.cpp	orbes.orb(i + 1, i == 0 ? 2 : 1)	orbes.orb(i + 1, 2)
sintese-regentes	interpretation/relatoriosintese.cpp	const int regente = Sintese::Regente(signo, m_sintese.regenteModerno);\n        const int onde	const int regente = Sintese::Regente(signo + 1, m_sintese.regenteModerno);\n        const int onde
aspectos-fortes	interpretation/relatoriosintese.cpp	const Sintese::LinhaAspecto& a = aspectos[k];	const Sintese::LinhaAspecto& a = aspectos[aspectos.size() - 1 - k];
relatorio-fecho	interpretation/relatorio.cpp	if (m_sintese.ligada) EscreveFecho(doc);	if (false) EscreveFecho(doc);
signo-caranguejo	engine/possigno.cpp	if (palavra.startsWith(QLatin1String("cara"))) return 3;	if (palavra.startsWith(QLatin1String("cara"))) return 0;
pronome-nasal	interpretation/textos.cpp	return verbo.endsWith(QLatin1Char('m')) ||	return verbo.endsWith(QLatin1Char('M')) ||
signos-portugal	interpretation/relatorio.cpp	return m_sintese.signosTradicionais ? nomes : SignosDePortugal(nomes);	return nomes;
fuso-leitor	chart/normalizatempo.cpp	total < 0 ? -total : total;	total;
assinatura-comentario	updater/assinatura.cpp	    if (!confere(global, sig + l[2].mid(prefixo.size()), chave))	    if (false)
transferencia-resumo	updater/actualizacao.cpp	if (resumo.result() != f.sha256) {	if (false) {
descricao-acima	updater/descricao.cpp	p.trimmed() == QLatin1String("..")	p.trimmed() == QLatin1String("...")
transaccao-desfaz	platform/transaccao.cpp	if (p.existia && existe(p.antigo)) {	if (false) {
transaccao-completa	platform/transaccao.cpp	    if (!existe(p.novo)) return true;	    if (!existe(p.novo) || true) return true;
edicao-recusa	updater/actualizacao.cpp	if (edicao < instalada)	if (edicao < instalada && false)
fuso-horamedia	app/atlas/fusohorario.cpp	f.horas = longitudeGraus / 15.0;	f.horas = -longitudeGraus / 15.0;
fuso-repetida	app/atlas/fusohorario.cpp	const int escolhido = validos.first();	const int escolhido = validos.last();
zona-rodape-inicio	app/atlas/zonatzif.cpp	m_regra.inicio.segundos - m_regra.normal.offset	m_regra.inicio.segundos - m_regra.verao.offset
zona-antes-primeira	app/atlas/zonatzif.cpp	        return m_tipos.first();\n    if (!m_transicoes	        return m_tipos.last();\n    if (!m_transicoes
zona-ultima-semana	app/atlas/zonatzif.cpp	while (dia > inicioMes.daysInMonth())	if (dia > 31)
zona-juliano	app/atlas/zonatzif.cpp	(QDate::isLeapYear(ano) && d.n >= 60 ? 1 : 0)	0
zona-hora-negativa	app/atlas/zonatzif.cpp	sinal = t[i] == '-' ? -1 : 1;	sinal = 1;
zona-nome	app/atlas/zonatzif.cpp	return nome.size() < 128 && padrao.match(nome).hasMatch();	return nome.size() < 128 && !nome.isEmpty();
zona-abreviatura	app/atlas/zonatzif.cpp	letras.mid(inicioAbrev.at(k), fim < 0 ? -1 : fim - inicioAbrev.at(k))	letras.mid(inicioAbrev.at(k), fim < 0 ? -1 : 3)
atlas-populacao	app/atlas/atlas.cpp	" ORDER BY Id LIMIT ?"));\n                q.addBindValue(QLatin1Char('"')	" ORDER BY Id DESC LIMIT ?"));\n                q.addBindValue(QLatin1Char('"')
atlas-pais	app/atlas/atlas.cpp	            if (doPais && m_d->paisPrimeiro.isEmpty())	            if (doPais)
atlas-pais-opcao	app/atlas/atlas.cpp	        return QStringLiteral("Portugal");	        return QString();
folha-relatorio	app/folha/folha.cpp	if (relatorio && !relatorio->isEmpty())	if (false)
folha-numeracao	app/folha/folha.cpp	ImprimeDocumento(*relatorio, p, pdf, pagina, RodaVectorialDoRelatorio(mapa))	ImprimeDocumento(*relatorio, p, pdf, 1, RodaVectorialDoRelatorio(mapa))
relatorio-pdf-vectorial	app/cli/saidarelatorio.cpp	GravaRelatorio(doc, caminho, &erro, RodaVectorialDoRelatorio(mapa))	GravaRelatorio(doc, caminho, &erro)
folha-roda-vectorial	app/folha/folha.cpp	if (nome != kNomeRodaRelatorio) return false;	if (nome == kNomeRodaRelatorio) return false;
cli-falhas	app/cli/main.cpp	return falhas ? SAIDA_FALHOU : SAIDA_OK;	return SAIDA_OK;
cli-csv-aspas	app/cli/lote.cpp	QString(c).replace(QStringLiteral("\""), QStringLiteral("\"\""))	QString(c)
escolha-abrir-vazia	app/gui/escolhaficheiro.cpp	if (pastas.size() > 1 && temFicheiros(pastas.first()) && !temFicheiros(pastas.last()))	if (pastas.size() > 1 && !temFicheiros(pastas.last()))
escolha-orbes-utilizador	app/gui/escolhaficheiro.cpp	p.pasta = guardar ? PastaOrbesUtilizador()	p.pasta = guardar ? CaminhoPrograma(QStringLiteral("orbs"))
arranque-orbes-instalado	app/gui/arranque.cpp	if (gravavel && !existe(QStringLiteral("orbs/Default.orb")))	if (!existe(QStringLiteral("orbs/Default.orb")))
actualizacao-pacote	app/gui/frmmain_comandos.cpp	    if (!PastaProgramaGravavel()) {\n        CaixaMensagens()	    if (false) {\n        CaixaMensagens()
janela-fecho	app/gui/frmmain.cpp	closeEvent(QCloseEvent* e) {\n    leCampos();	closeEvent(QCloseEvent* e) {
janela-escritos	app/gui/sessaomapa.cpp	        if (!temDadosEscritos(m_campos))	        if (temDadosEscritos(m_campos))
leitura-fecho	app/gui/frmread.cpp	    if (PodeDescartar())\n        e->accept();	    if (true)\n        e->accept();
locais-alterado	app/gui/frmlocais.cpp	if (!m_alterado && !m_emAdicao)	if (!m_emAdicao)
sinastria-medio	synastry/sinastria.cpp	return Reduz360Graus(a + Reduz180Graus(b - a) / 2.0);	return Reduz360Graus((a + b) / 2.0);
sinastria-davison-lugar	synastry/sinastria.cpp	m.longitudeLeste = Reduz180Graus(PontoMedio(a.longitudeLeste, b.longitudeLeste));	m.longitudeLeste = (a.longitudeLeste + b.longitudeLeste) / 2.0;
sinastria-orbe-par	synastry/sinastria.cpp	return std::max(orbe[size_t(a)], orbe[size_t(b)]);	return std::min(orbe[size_t(a)], orbe[size_t(b)]);
sinastria-davison-segundos	synastry/sinastria.cpp	t.fuso = -segundos / 3600.0;	t.fuso = 0.0;
duetto-troca	app/duetto/janeladuetto.cpp	    std::swap(m_lados[0].pessoa, m_lados[1].pessoa);\n	
duetto-pares	app/duetto/janeladuetto.cpp	    pares.prepend(par);	
cli-sinastria-csv	app/cli/sinastriacli.cpp	    if (!FicheiroSaida().isEmpty()) {	    if (false) {
birroda-grau-fora	drawing/disposicao.cpp	        m.grauParaFora = true;	        m.grauParaFora = false;
roda-guias	drawing/disposicao.cpp	    return guia.isNull() || std::none_of(	    return true || std::none_of(
roda-legivel	drawing/disposicao.cpp	    if (!LegivelComOsOutros(c, o.colocados)) return false;	    if (!LegivelComOsOutros(c, {})) return false;
roda-casa-circulo	drawing/disposicao.cpp	lugares.push_back({a, Livre(c, ocupadas) && !noCirculo ? 0.0	lugares.push_back({a, Livre(c, ocupadas) ? 0.0
roda-casa-numa-linha	drawing/disposicao.cpp	    if (lugar.sobra > 0.0) {	    if (false) {
roda-casa-alcance	drawing/disposicao.cpp	center(), fim).length() < ALCANCE_ROTULO;	center(), fim).length() < 1e9;
roda-casa-grelha	drawing/disposicao.cpp	raio <= 64.0; raio += 4.0	raio <= 0.0; raio += 4.0
painel-rolagem	app/gui/frmmain_vistas.cpp	    rolagem->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);\n    rolagem->setMinimumWidth(	    rolagem->setMinimumWidth(0 * 
transitos-raiz	transits/transitos.cpp	                    for (int i = 0; i < 36; ++i) {	                    for (int i = 0; i < 6; ++i) {
transitos-orbe	transits/transitos.cpp	if (std::fabs(h) > o) continue;	if (std::fabs(h) >= o - 0.2) continue;
transitos-aplicativo	transits/transitos.cpp	h * m.velocidade < 0});	h * m.velocidade > 0});
retorno-newton	transits/retornos.cpp	        t += passo;	        t += 0.5 * passo;
proprios-primeiro	interpretation/textos.cpp	    if (!TextosUtilizador().Procura(codigo, texto)) {	    if (true) {
proprios-danificado	interpretation/textosproprios.cpp	return e.nativeErrorCode() == kCorrompida || e.nativeErrorCode() == kNaoEBase;	return false;
proprios-paragrafo	interpretation/textosproprios.cpp	return v.isValid() ? v.toInt() : -1;	return -1;
glosa-marca-nome	glosa/marcacao.cpp	n == QLatin1Char('2') || n == QLatin1Char('3')	n == QLatin1Char('2')
glosa-casa	glosa/significado.cpp	Junta(Corpo(p), QStringLiteral(" na "), Casa(s));	Junta(Corpo(p), QStringLiteral(" na "), Casa(p));
glosa-acentos	glosa/significado.cpp	if (c.category() != QChar::Mark_NonSpacing) r += c.toLower();	r += c.toLower();
glosa-conflito	glosa/partilha.cpp	        if (meu->texto == novo.texto) {	        if (true) {
glosador-guardar	app/glosador/frmglosador.cpp	m_guardar->setEnabled(mudou && !m_temErros);	m_guardar->setEnabled(mudou);
glosador-repor	app/glosador/frmglosador.cpp	    if (!m_proprios.Repoe(e.chave, &erro)) {	    if (false) {
texto-utf8	platform/cp1252.cpp	        if (!decodificador.hasError()) {	        if (false) {
posicao-signo-ilegivel	engine/possigno.cpp	if (signo < 0 || minutos >= 60 || segundos >= 60)	if (minutos >= 60 || segundos >= 60)
rtf-imagem-tamanho	interpretation/rtfescrita.cpp	"\\picwgoal" + QByteArray::number(std::lround(largura * 15))	"\\picwgoal" + QByteArray::number(std::lround(largura * 20))
rtf-imagem-lida	interpretation/rtfleitura.cpp	acabaImagem(pilha.isEmpty() ? saido : pilha.last());	(void)saido;
aaf-fuso-oeste	chart/aaf.cpp	const bool oeste = m.captured(3).toLower() == QLatin1String("w") || 	const bool oeste = 
aaf-verao	chart/aaf.cpp	(r.verao == u'1' ? 1 : r.verao == u'D' ? 2 : 0)	(r.verao == u'1' ? 0 : r.verao == u'D' ? 2 : 0)
aaf-juliano	chart/aaf.cpp	std::fabs(jdCivil - *r.diaJuliano) > 1.0 / 1440.0	std::fabs(jdCivil - *r.diaJuliano) > 1.0
lote-decimal	app/cli/lote.cpp	            t.replace(u'.', formato.decimal);	            t.replace(u'.', u'.');
leitura-junta-tabelas	interpretation/documento.cpp	c.insertFragment(QTextDocumentFragment(&relatorio));	CopiaDesde(relatorio, 0, c);
svg-contornos	drawing/superficie.cpp	m_pintor->paintEngine()->type() == QPaintEngine::SVG;	m_pintor->paintEngine()->type() == QPaintEngine::Pdf;
duetto-espelho	app/duetto/relatoriosinastria.cpp	return Texto(CodigoAspectoPar(x.b, x.tipo, x.a), m_b.pessoa, m_a.pessoa);	return Texto(CodigoAspectoPar(x.b, x.tipo, x.a), m_a.pessoa, m_b.pessoa);
duetto-sexo-par	app/duetto/relatoriosinastria.cpp	(segunda.masculino ? QLatin1Char('H') : QLatin1Char('M'))	(primeira.masculino ? QLatin1Char('H') : QLatin1Char('M'))
duetto-pontos	app/duetto/relatoriosinastria.cpp	return (ponto >= 0 && ponto <= 6) || ponto == PONTO_ASC;	return (ponto >= 0 && ponto <= 7) || ponto == PONTO_ASC;
duetto-casas	app/duetto/relatoriosinastria.cpp	Paragrafo(doc, TextoCasa(i, h, doPrimeiro));	Paragrafo(doc, TextoCasa(i, h, true));
duetto-pdf-relatorio	app/duetto/saidasduetto.cpp	if (relatorio && !relatorio->isEmpty()) ImprimeDocumento	if (false) ImprimeDocumento
duetto-svg	app/duetto/saidasduetto.cpp	if (extensao == QLatin1String("svg"))	if (extensao == QLatin1String("svgz"))
movela-ordem	app/movela/frmmovela.cpp	return data(Qt::UserRole).toDouble() < o.data(Qt::UserRole).toDouble();	return text() < o.text();
movela-fuso	app/movela/frmmovela.cpp	return d.addSecs(-qint64(std::lround(m_natal.fuso * 3600.0)));	return d;
movela-codigo	app/movela/textosmovela.cpp	e.alvo * 100 + e.aspecto;	e.alvo * 100 + 9;
movela-lua	app/movela/textosmovela.cpp	e.corpo == 1 ? 800000 + e.alvo : 0;	e.corpo == 1 ? 800000 + e.alvo - 1 : 0;
irma-online	updater/descricao.cpp	if (descricao.Valor(seccao, QStringLiteral("online")) != QLatin1String("1")) return {};	if (false) return {};
arranque-recupera	app/gui/arranque.cpp	if (RecuperaTransaccao(PastaPrograma(), &recuperacao) == Recuperacao::Falhou)	if (false)
sinais-tamanho	platform/sinais.cpp	std::signal(SIGXFSZ, SIG_IGN);	std::signal(SIGXFSZ, SIG_DFL);
registo-longo	chart/ficheiromapa.cpp	if (k - inicio > MaximoRegisto) return numero;	if (false) return numero;
opcoes-enormes	platform/opcoes.cpp	if (linha.size() > MaximoValor) {	if (linha.size() > 4 * MaximoValor) {
lote-mensagens	app/cli/lote.cpp	t.mensagens << c.texto;	(void)c;
caixa-dono	platform/caixaqt.cpp	QMessageBox caixa(dono() ? dono().data() : activa && activa->isVisible() ? activa : m_pai);	QMessageBox caixa(m_pai ? m_pai : activa);
renovo-ecra	updater/frmrenovo.cpp	if (topo != janela.top() || esquerda != janela.left()) {	if (false) {
impressao-pdf-pasta	app/gui/impressao.cpp	ShowFileDialog(pai, true, FicheiroPdf, nomeProposto)	ShowFileDialog(pai, true, 99, nomeProposto)
ficheiro-danificado	chart/ficheiromapa.cpp	if (numero == ERRO_FIM_DO_FICHEIRO || numero == ERRO_TIPO) {	if (false) {
lote-aspas	app/cli/lote.cpp	else if (espreita('"')) campo += c;	else if (false) campo += c;
rtf-cancela	interpretation/rtfleitura.cpp	if (!progresso(double(pos) / double(dados.size()))) {	if (!progresso(double(pos) / double(dados.size())) && false) {
importa-limite	interpretation/documento.cpp	if (f.size() > MaximoImportacao) {	if (false) {
citacao-hora	chart/normalizatempo.cpp	QStringLiteral("A hora de nascimento «") + Citacao(t) +	QStringLiteral("A hora de nascimento «") + t +
cp1252-tabela	platform/cp1252.cpp	0x2039, 0x0152, 0,	0x2039, 0x0153, 0,
lote-cp1252	app/cli/lote.cpp	m_utf8 = m_marca || (alto && !verifica.hasError());	m_utf8 = m_marca || alto;
movela-lugar	app/movela/frmmovela.cpp	if (m_localRetorno && !std::isnan(t)) {	if (false) {
movela-fuso-lugar	app/movela/frmmovela.cpp	if (f.situacao != FusoLocal::Situacao::ZonaDesconhecida) lugar.fuso = f.horas;	(void)f;
pontos-quiron	engine/motorpreciso.cpp	{SE_CHIRON, SE_CERES,	{SE_CERES, SE_CHIRON,
pontos-vertice	engine/motorpreciso.cpp	r.extras[vx] = reduz360(ascmc[SE_VERTEX]);	r.extras[vx] = reduz360(ascmc[SE_EQUASC]);
pontos-orbe-menor	chart/pontosmapa.cpp	return std::min(orbe(i), orbe(j));	return std::max(orbe(i), orbe(j));
pontos-registo-flag	chart/motormapa.cpp	r << c.PosExtra[k] << (c.retroExtra[k] ?	r << c.PosExtra[k] << (!c.retroExtra[k] ?
pontos-grelha-celula	drawing/grelha.cpp	const QPointF p((n - std::max(pi, pj)) * h,	const QPointF p((n - std::min(pi, pj)) * h,
pontos-roda-pista	drawing/desenhos.cpp	* (k + 0.5) / 11.0;	* (k + 1.0) / 11.0;
quiron-aspecto	interpretation/relatorio.cpp	{1, m_mapa.Corpo(0).Posicao().ValorRads(), u"o Sol"},	{1, m_mapa.Corpo(1).Posicao().ValorRads(), u"o Sol"},
cli-pontos-colunas	app/cli/lote.cpp	if (!TemPonto(formato.pontos, k))\n            continue;\n        const bool tem	if (TemPonto(formato.pontos, k))\n            continue;\n        const bool tem
FIM
)

guarda() { echo "$1.antes-da-mutacao"; }
for copia in $(find . -name '*.antes-da-mutacao' -not -path './build*'); do mv "$copia" "${copia%.antes-da-mutacao}"; done
actual=""
# Put back with a new time stamp, so the next build recompiles the restored file.
repoe() { if [ -n "$actual" ] && [ -f "$(guarda "$actual")" ]; then mv "$(guarda "$actual")" "$actual"; touch "$actual"; fi; actual=""; }
trap 'repoe' EXIT
trap 'repoe; exit 130' INT TERM

# Builds what the chosen tests run (nothing else is relinked) and runs them, stopping at the
# first failure: 0 when all pass, 1 when one fails, 2 when the build fails.
corre() {
    local alvos
    alvos=$(ctest --test-dir "$build" "$@" --show-only=json-v1 | grep -oE '"/[^"]*/(tests|fuzz)-bin/[^"]*"' |
            tr -d '"' | xargs -n1 basename | sort -u)
    ninja -C "$build" $alvos >>"$build/mutacao.log" 2>&1 || return 2
    ctest --test-dir "$build" "$@" --stop-on-failure -j2 --timeout 300 >>"$build/mutacao.log" 2>&1 || return 1
}

declare -a escolhidas=("$@")
total=0; apanhadas=0; falhas=()
while IFS=$'\t' read -r -u 3 id ficheiro de para; do
    [ -z "$id" ] && continue
    if [ ${#escolhidas[@]} -gt 0 ] && [[ ! " ${escolhidas[*]} " == *" $id "* ]]; then continue; fi
    total=$((total + 1))
    actual=$ficheiro
    cp -p "$ficheiro" "$(guarda "$ficheiro")"
    if ! DE="$de" PARA="$para" perl -0pi -e '
        BEGIN { ($d, $p) = map { s/\\n/\n/gr } @ENV{qw(DE PARA)} }
        $n = () = /\Q$d\E/g; die "found $n times\n" unless $n == 1; s/\Q$d\E/$p/' "$ficheiro"; then
        printf '%-24s ERRO: o texto a mudar não está uma só vez em %s\n' "$id" "$ficheiro"
        falhas+=("$id"); repoe; continue
    fi
    # The tests of the mutated folder run first; the whole suite only if they all pass.
    case $ficheiro in
        app/cli/*) pasta=app ;; app/movela/*) pasta=movela ;; app/gui/*) pasta=gui ;; app/*) pasta='app|data|gui' ;; *) pasta=${ficheiro%%/*} ;;
    esac
    inicio=$(date +%s)
    : >"$build/mutacao.log"
    r=0
    if [ -n "${MUTACOES_CTEST:-}" ]; then
        corre ${MUTACOES_CTEST} || r=$?
    else
        corre -L "^($pasta)\$" || r=$?
        [ $r -ne 0 ] || corre || r=$?
    fi
    case $r in
        0) resultado="NÃO APANHADA"; falhas+=("$id") ;;
        2) resultado="apanhada (não compila)"; apanhadas=$((apanhadas + 1)) ;;
        *) quem=$(grep -oE '[0-9]+ - [A-Za-z0-9_]+ \((Failed|Timeout|Subprocess aborted|SEGFAULT|Exception)' \
                  "$build/mutacao.log" | head -1 | awk '{print $3}')
           resultado="apanhada por ${quem:-?}"; apanhadas=$((apanhadas + 1)) ;;
    esac
    printf '%-24s %-34s %s (%ss)\n' "$id" "$ficheiro" "$resultado" $(( $(date +%s) - inicio ))
    repoe
done 3<<<"$LISTA"

echo "Mutações: $total, apanhadas: $apanhadas."
[ ${#falhas[@]} -eq 0 ] || { echo "Não apanhadas ou inválidas: ${falhas[*]}"; exit 1; }
