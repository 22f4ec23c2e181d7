#include "Paginacao.h"

#include "Marcadores.h"

namespace {

bool ehDePagina(TipoBanda t)
{
    return t == TipoBanda::CabecalhoPagina || t == TipoBanda::Titulo || t == TipoBanda::CabecalhoColunas
           || t == TipoBanda::RodapePagina;
}

class Planejador {
public:
    Planejador(const LayoutRelatorio &l, const FonteDados *dados) : l_(l), dados_(dados)
    {
        total_ = dados ? dados->linhas() : 1;
        const QMarginsF &m = l.pagina.margens;
        topo_ = m.top();
        const BandaRelatorio *rodape = l.banda(TipoBanda::RodapePagina);
        const double alturaRodape = rodape ? rodape->altura : 0;
        yRodape_ = l.pagina.folha().height() - m.bottom() - alturaRodape;
        limite_ = yRodape_;
        detalhe_ = l.banda(TipoBanda::Detalhe);
        for (const QString &campo : l.camposGrupo()) {
            Grupo g;
            g.campo = campo;
            g.coluna = dados ? dados->coluna(campo) : -1;
            g.cabecalho = l.bandaGrupo(TipoBanda::CabecalhoGrupo, campo);
            g.rodape = l.bandaGrupo(TipoBanda::RodapeGrupo, campo);
            grupos_.append(g);
        }
    }

    QList<PaginaPlanejada> executa()
    {
        abrePagina(true);
        for (int i = 0; i < total_; ++i) {
            const int nivel = i == 0 ? 0 : primeiroNivelQueMuda(i);
            if (i > 0) fechaGrupos(nivel, i - 1);
            abreGrupos(nivel, i);
            if (detalhe_) coloca(detalhe_, dados_ ? i : -1, 0, total_);
        }
        if (total_ > 0) fechaGrupos(0, total_ - 1);
        if (const BandaRelatorio *r = l_.banda(TipoBanda::Resumo)) coloca(r, total_ - 1, 0, total_);
        fechaPagina();
        return paginas_;
    }

private:
    struct Grupo {
        QString campo;
        int coluna = -1;
        const BandaRelatorio *cabecalho = nullptr;
        const BandaRelatorio *rodape = nullptr;
        int inicio = 0, fim = 0; // rows of the open group
    };

    QString chave(int linha, int nivel) const
    {
        const int col = grupos_.at(nivel).coluna;
        return col < 0 ? QString() : Marcadores::formata(dados_->valor(linha, col));
    }
    bool mesmoGrupo(int a, int b, int nivel) const
    {
        for (int n = 0; n <= nivel; ++n)
            if (chave(a, n) != chave(b, n)) return false;
        return true;
    }
    int primeiroNivelQueMuda(int i) const
    {
        for (int n = 0; n < grupos_.size(); ++n)
            if (chave(i, n) != chave(i - 1, n)) return n;
        return int(grupos_.size());
    }
    int fimDoGrupo(int nivel, int inicio) const
    {
        int j = inicio + 1;
        while (j < total_ && mesmoGrupo(inicio, j, nivel)) ++j;
        return j;
    }

    void abreGrupos(int desde, int linha)
    {
        for (int n = desde; n < grupos_.size(); ++n) {
            Grupo &g = grupos_[n];
            g.inicio = linha;
            g.fim = dados_ ? fimDoGrupo(n, linha) : total_;
            if (!g.cabecalho) continue;
            // A header is not left alone at the foot of a page: it needs room for what follows.
            double seguinte = detalhe_ ? detalhe_->altura : 0;
            for (int k = n + 1; k < grupos_.size(); ++k)
                if (grupos_[k].cabecalho) seguinte += grupos_[k].cabecalho->altura;
            coloca(g.cabecalho, linha, g.inicio, g.fim, seguinte);
        }
    }
    void fechaGrupos(int ate, int ultimaLinha)
    {
        for (int n = int(grupos_.size()) - 1; n >= ate; --n) {
            const Grupo &g = grupos_.at(n);
            if (g.rodape) coloca(g.rodape, ultimaLinha, g.inicio, g.fim);
        }
    }

    // Page header, the title on the first page only, then the column header.
    void abrePagina(bool primeira)
    {
        paginas_.append(PaginaPlanejada());
        y_ = topo_;
        if (const BandaRelatorio *b = l_.banda(TipoBanda::CabecalhoPagina)) colocaFixa(b);
        if (const BandaRelatorio *b = l_.banda(TipoBanda::Titulo); b && primeira) colocaFixa(b);
        if (const BandaRelatorio *b = l_.banda(TipoBanda::CabecalhoColunas)) colocaFixa(b);
        inicioConteudo_ = y_;
    }
    void fechaPagina()
    {
        PaginaPlanejada &p = paginas_.last();
        if (const BandaRelatorio *b = l_.banda(TipoBanda::RodapePagina)) p.bandas.append({b, yRodape_, -1, 0, total_});
        // Page bands read the first row printed on the page (the last row before it when none is).
        int ref = -1;
        for (const BandaColocada &c : std::as_const(p.bandas))
            if (!ehDePagina(c.banda->tipo) && c.linha >= 0) { ref = c.linha; break; }
        if (ref < 0) ref = qMin(ultimaLinha_, total_ - 1);
        for (BandaColocada &c : p.bandas)
            if (ehDePagina(c.banda->tipo) && dados_) c.linha = ref;
    }
    void colocaFixa(const BandaRelatorio *b)
    {
        paginas_.last().bandas.append({b, y_, -1, 0, total_});
        y_ += b->altura;
    }

    void coloca(const BandaRelatorio *b, int linha, int inicio, int fim, double reserva = 0)
    {
        // A band that does not fit opens a new page, unless the page has nothing else to offer.
        const bool cabe = y_ + b->altura + reserva <= limite_ + 1e-6;
        if (!cabe && y_ > inicioConteudo_ + 1e-6) {
            fechaPagina();
            abrePagina(false);
            repeteGrupos(b);
            inicioConteudo_ = y_;
        }
        paginas_.last().bandas.append({b, y_, linha, inicio, fim});
        y_ += b->altura;
        if (linha >= 0) ultimaLinha_ = linha;
    }
    // Headers of the groups that go on across the break, when they ask for it.
    void repeteGrupos(const BandaRelatorio *seguinte)
    {
        for (const Grupo &g : std::as_const(grupos_)) {
            if (!g.cabecalho || !g.cabecalho->repetir) continue;
            if (g.cabecalho == seguinte) break; // it starts here anyway, and so do the inner ones
            if (ultimaLinha_ < g.inicio || ultimaLinha_ + 1 >= g.fim) continue; // not going on
            paginas_.last().bandas.append({g.cabecalho, y_, g.inicio, g.inicio, g.fim});
            y_ += g.cabecalho->altura;
        }
    }

    const LayoutRelatorio &l_;
    const FonteDados *dados_;
    const BandaRelatorio *detalhe_ = nullptr;
    QList<Grupo> grupos_;
    QList<PaginaPlanejada> paginas_;
    int total_ = 0;
    int ultimaLinha_ = -1;
    double topo_ = 0, yRodape_ = 0, limite_ = 0, y_ = 0, inicioConteudo_ = 0;
};

} // namespace

QList<PaginaPlanejada> Paginacao::planeja(const LayoutRelatorio &layout, const FonteDados *dados)
{
    return Planejador(layout, dados).executa();
}
