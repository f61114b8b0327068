<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Localizable</name>
    <message>
        <source>Converter</source>
        <translation>Conversor</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Cotações</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Currencies</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>Última atualização</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Separador decimal</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>in %@</source>
        <translation>em %@</translation>
    </message>
    <message>
        <source>Amount in %@</source>
        <translation>Valor em %@</translation>
    </message>
    <message>
        <source>Amount converted to %@</source>
        <translation>Valor convertido em %@</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Add Currency </source>
        <translation>Adicionar moeda </translation>
    </message>
    <message>
        <source>Edit a Foreign Currency</source>
        <translation>Editar uma moeda estrangeira</translation>
    </message>
    <message>
        <source>Select a Foreign Currency</source>
        <translation>Escolha uma moeda estrangeira</translation>
    </message>
    <message>
        <source>Add Foreign Currency</source>
        <translation>Adicionar moeda estrangeira</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecida</translation>
    </message>
    <message>
        <source>Exchange rate update relies on </source>
        <translation>A atualização das cotações depende de </translation>
    </message>
    <message>
        <source>an Internet server.
</source>
        <translation>um servidor na Internet.
</translation>
    </message>
    <message>
        <source>That server cannot currently be reached. </source>
        <translation>No momento não é possível acessar esse servidor. </translation>
    </message>
    <message>
        <source>Please try again later.</source>
        <translation>Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Exchange rate update requires </source>
        <translation>A atualização das cotações requer </translation>
    </message>
    <message>
        <source>an Internet connection.
</source>
        <translation>uma conexão com a Internet.
</translation>
    </message>
    <message>
        <source>Please check the connection and try again.</source>
        <translation>Verifique a conexão e tente novamente.</translation>
    </message>
    <message>
        <source>Server not reachable</source>
        <translation>Servidor inacessível</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moeda</translation>
    </message>
    <message>
        <source>Master Currency</source>
        <translation>Moeda principal</translation>
    </message>
    <message>
        <source>Foreign Currency</source>
        <translation>Moeda estrangeira</translation>
    </message>
    <message>
        <source>Automatic updates are supported 
for 190+ world currencies</source>
        <translation>Atualização automática disponível 
para mais de 190 moedas do mundo</translation>
    </message>
    <message>
        <source>Value of 1 %@ in above currency</source>
        <translation>Valor de 1 %@ na moeda acima</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>Cotação</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversão</translation>
    </message>
    <message>
        <source>Foreign currencies</source>
        <translation>Moedas estrangeiras</translation>
    </message>
    <message>
        <source>Adding currencies</source>
        <translation>Adicionar moedas</translation>
    </message>
    <message>
        <source>Tap Add Foreign Currency to choose from more than 190 world currencies; the search field finds one by its code or its name. A currency that is not in the list can be typed in with More, together with its rate. Rates are downloaded only for currencies of the list.</source>
        <translation>Toque em Adicionar moeda estrangeira para escolher entre mais de 190 moedas do mundo; o campo de busca encontra uma moeda pelo código ou pelo nome. Uma moeda que não está na lista pode ser digitada em Mais, junto com a cotação. As cotações são baixadas apenas para as moedas da lista.</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Cotações</translation>
    </message>
    <message>
        <source>With automatic updates on (the Setup tab), Ratepad downloads every rate when the last download is six hours old, and rates that are still missing whenever it starts. The refresh button of the Rates tab downloads all rates at once. Until a rate has been downloaded, a starting rate shipped with Ratepad is used, so conversions work offline from the first start.</source>
        <translation>Com as atualizações automáticas ativadas (aba Ajustes), o Ratepad baixa todas as cotações quando o último download completa seis horas, e as que ainda faltam sempre que é aberto. O botão de atualizar da aba Cotações baixa todas as cotações de uma vez. Até uma cotação ser baixada, é usada uma cotação inicial que vem com o Ratepad, então as conversões funcionam offline desde a primeira vez.</translation>
    </message>
    <message>
        <source>Local currency</source>
        <translation>Moeda local</translation>
    </message>
    <message>
        <source>The Setup tab also changes your local currency. A new local currency replaces the foreign list with a fresh starting list, so Ratepad asks before it does so.</source>
        <translation>Na aba Ajustes você também muda sua moeda local. Uma nova moeda local substitui a lista de moedas estrangeiras por uma nova lista inicial, por isso o Ratepad pergunta antes.</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Seus dados</translation>
    </message>
    <message>
        <source>Your currencies, rates and settings are saved on this computer a moment after every change and when Ratepad quits. Nothing is sent anywhere except the currency codes of the rates being looked up.</source>
        <translation>Suas moedas, cotações e ajustes são salvos neste computador logo após cada alteração e quando o Ratepad é fechado. Nada é enviado a lugar nenhum, exceto os códigos das moedas cujas cotações são consultadas.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Exchange rates for many currencies</source>
        <translation>Cotações de muitas moedas</translation>
    </message>
    <message>
        <source>Simple Calculator</source>
        <translation>Simple Calculator</translation>
    </message>
    <message>
        <source>A calculator without clutter</source>
        <translation>Uma calculadora sem complicação</translation>
    </message>
    <message>
        <source>Calculator++</source>
        <translation>Calculator++</translation>
    </message>
    <message>
        <source>Scientific calculator with history</source>
        <translation>Calculadora científica com histórico</translation>
    </message>
    <message>
        <source>Unit Converter Ultimate</source>
        <translation>Unit Converter Ultimate</translation>
    </message>
    <message>
        <source>Converts units of every kind</source>
        <translation>Converte unidades de todo tipo</translation>
    </message>
    <message>
        <source>Qalculate!</source>
        <translation>Qalculate!</translation>
    </message>
    <message>
        <source>Calculator with units and currencies</source>
        <translation>Calculadora com unidades e moedas</translation>
    </message>
    <message>
        <source>GNOME Calculator</source>
        <translation>GNOME Calculator</translation>
    </message>
    <message>
        <source>Desktop calculator with currency conversion</source>
        <translation>Calculadora de desktop que converte moedas</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Select Currency</source>
        <translation>Escolher moeda</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Type In a Currency</source>
        <translation>Digitar uma moeda</translation>
    </message>
    <message>
        <source>Type In %@</source>
        <translation>Digitar %@</translation>
    </message>
    <message>
        <source>Exchange Rates</source>
        <translation>Cotações</translation>
    </message>
    <message>
        <source>Download exchange rates
for 190+ world currencies</source>
        <translation>Baixe cotações
de mais de 190 moedas do mundo</translation>
    </message>
    <message>
        <source>Tap to set your home currency</source>
        <translation>Toque para definir sua moeda local</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Atualização automática</translation>
    </message>
    <message>
        <source>Changing the local currency will revert all foreign currencies</source>
        <translation>Mudar a moeda local vai redefinir todas as moedas estrangeiras</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>Em andamento</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Next tab: %1, previous tab: %2</source>
        <translation>Próxima aba: %1, aba anterior: %2</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Shift+Tab, or Ctrl+Page Down and Ctrl+Page Up, go to the next and the previous tab; Alt+1 to Alt+5 open a tab directly. Tab moves between the controls; in a list the arrow keys move the highlight and Return or Space chooses the row. While the Rates list is being edited, Delete or Backspace asks to delete the highlighted currency and Return confirms; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Ctrl+Tab e Ctrl+Shift+Tab, ou Ctrl+Page Down e Ctrl+Page Up, vão para a aba seguinte e para a anterior; Alt+1 a Alt+5 abrem uma aba diretamente. Tab passa de um controle a outro; numa lista, as setas movem o destaque e Enter ou Espaço escolhe a linha. Enquanto a lista de cotações é editada, Delete ou Backspace pede para excluir a moeda destacada e Enter confirma; Ctrl+Seta para cima e Ctrl+Seta para baixo a movem.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Currencies</source>
        <comment>title of the currency list</comment>
        <translation>Moedas</translation>
    </message>
    <message>
        <source>Keep this rate</source>
        <translation>Manter esta cotação</translation>
    </message>
    <message>
        <source>Type an amount on the keypad of the first tab. The upper row shows it in your local currency and converted into the current foreign currency; the lower row shows the same amount in the foreign currency and converted back. Results are exact and rounded to two decimals; a result too small for that shows its first three significant digits. C clears the amount. On a computer you can type digits and the decimal point (a point or a comma), take back the last key with Backspace, clear with Escape or Delete, and copy the converted amount with Ctrl+C.</source>
        <translation>Digite um valor no teclado da primeira aba. A linha de cima mostra o valor na sua moeda local e convertido para a moeda estrangeira atual; a linha de baixo mostra o mesmo valor na moeda estrangeira e convertido de volta. Os resultados são exatos e arredondados para duas casas decimais; um resultado pequeno demais para isso mostra seus três primeiros algarismos significativos. C apaga o valor. No computador, você pode digitar algarismos e o separador decimal (ponto ou vírgula), desfazer a última tecla com Backspace, apagar com Esc ou Delete e copiar o valor convertido com Ctrl+C.</translation>
    </message>
    <message>
        <source>The Rates tab lists your foreign currencies with their rate (how much of the foreign currency one unit of your local currency buys) and when their source published it (or, where the service does not say, when it was downloaded). Tap a currency to make it the one the keypad converts into. Tap Edit to delete currencies, to move them by their grips, or to change the name or the rate of one. A rate you type reads Your rate until the next download replaces it; with Keep this rate on, downloads leave it alone (a pin marks it).</source>
        <translation>A aba Cotações lista suas moedas estrangeiras com a cotação (quanto da moeda estrangeira uma unidade da sua moeda local compra) e o horário em que a fonte a publicou (ou, quando o serviço não informa, o do download). Toque em uma moeda para que o teclado converta para ela. Toque em Editar para apagar moedas, movê-las pelas alças ou alterar o nome ou a cotação de uma delas. Uma cotação digitada aparece como “Sua cotação” até que o próximo download a substitua; com “Manter esta cotação” ligado, os downloads não a alteram (um alfinete a marca).</translation>
    </message>
    <message>
        <source>Your rate</source>
        <translation>Sua cotação</translation>
    </message>
    <message>
        <source>Phone Applications</source>
        <translation>Aplicativos para celular</translation>
    </message>
    <message>
        <source>Desktop Applications</source>
        <translation>Aplicativos para desktop</translation>
    </message>
    <message>
        <source>Made by %@</source>
        <translation>Feito por %@</translation>
    </message>
    <message>
        <source>Cannot Open Link</source>
        <translation>Não é possível abrir o link</translation>
    </message>
    <message>
        <source>No application here opens this link. It has been copied to the clipboard.</source>
        <translation>Nenhum aplicativo aqui abre este link. Ele foi copiado para a área de transferência.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>ZkSolicitReview</name>
    <message>
        <source>Enjoying %@?</source>
        <translation>Está gostando do %@?</translation>
    </message>
    <message>
        <source>If you find it useful, would you take a moment to rate it in the store? It won&apos;t take more than a minute. Thank you for your support!</source>
        <translation>Se você acha o app útil, poderia tirar um momento para avaliá-lo na loja? Não leva mais de um minuto. Obrigado pelo apoio!</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Não, obrigado</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Avaliar agora</translation>
    </message>
</context>
</TS>
