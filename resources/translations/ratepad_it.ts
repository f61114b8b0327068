<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Localizable</name>
    <message>
        <source>Converter</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Cambi</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Currencies</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>Ultimo aggiornamento</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Separatore decimale</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>in %@</source>
        <translation>in %@</translation>
    </message>
    <message>
        <source>Amount in %@</source>
        <translation>Importo in %@</translation>
    </message>
    <message>
        <source>Amount converted to %@</source>
        <translation>Importo convertito in %@</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Add Currency </source>
        <translation>Aggiungi valuta </translation>
    </message>
    <message>
        <source>Edit a Foreign Currency</source>
        <translation>Modifica una valuta estera</translation>
    </message>
    <message>
        <source>Select a Foreign Currency</source>
        <translation>Scegli una valuta estera</translation>
    </message>
    <message>
        <source>Add Foreign Currency</source>
        <translation>Aggiungi valuta estera</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Exchange rate update relies on </source>
        <translation>L’aggiornamento dei cambi si appoggia a </translation>
    </message>
    <message>
        <source>an Internet server.
</source>
        <translation>un server Internet.
</translation>
    </message>
    <message>
        <source>That server cannot currently be reached. </source>
        <translation>Al momento il server non è raggiungibile. </translation>
    </message>
    <message>
        <source>Please try again later.</source>
        <translation>Riprova più tardi.</translation>
    </message>
    <message>
        <source>Exchange rate update requires </source>
        <translation>L’aggiornamento dei cambi richiede </translation>
    </message>
    <message>
        <source>an Internet connection.
</source>
        <translation>una connessione a Internet.
</translation>
    </message>
    <message>
        <source>Please check the connection and try again.</source>
        <translation>Controlla la connessione e riprova.</translation>
    </message>
    <message>
        <source>Server not reachable</source>
        <translation>Server non raggiungibile</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Valuta</translation>
    </message>
    <message>
        <source>Master Currency</source>
        <translation>Valuta principale</translation>
    </message>
    <message>
        <source>Foreign Currency</source>
        <translation>Valuta estera</translation>
    </message>
    <message>
        <source>Automatic updates are supported 
for 190+ world currencies</source>
        <translation>Aggiornamenti automatici disponibili 
per oltre 190 valute del mondo</translation>
    </message>
    <message>
        <source>Value of 1 %@ in above currency</source>
        <translation>Valore di 1 %@ nella valuta qui sopra</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>Tasso di cambio</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversione</translation>
    </message>
    <message>
        <source>Foreign currencies</source>
        <translation>Valute estere</translation>
    </message>
    <message>
        <source>Adding currencies</source>
        <translation>Aggiungere valute</translation>
    </message>
    <message>
        <source>Tap Add Foreign Currency to choose from more than 190 world currencies; the search field finds one by its code or its name. A currency that is not in the list can be typed in with More, together with its rate. Rates are downloaded only for currencies of the list.</source>
        <translation>Tocca Aggiungi valuta estera per scegliere tra oltre 190 valute del mondo; il campo di ricerca ne trova una per codice o per nome. Una valuta che non è nell’elenco si può inserire con Altro, insieme al suo cambio. I cambi vengono scaricati solo per le valute dell’elenco.</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Tassi di cambio</translation>
    </message>
    <message>
        <source>With automatic updates on (the Setup tab), Ratepad downloads every rate when the last download is six hours old, and rates that are still missing whenever it starts. The refresh button of the Rates tab downloads all rates at once. Until a rate has been downloaded, a starting rate shipped with Ratepad is used, so conversions work offline from the first start.</source>
        <translation>Con gli aggiornamenti automatici attivi (scheda Opzioni), Ratepad scarica tutti i cambi quando l’ultimo download risale a sei ore prima, e a ogni avvio quelli che ancora mancano. Il pulsante di aggiornamento della scheda Cambi scarica tutti i cambi in una volta. Finché un cambio non è stato scaricato, si usa un cambio iniziale fornito con Ratepad, così le conversioni funzionano offline fin dal primo avvio.</translation>
    </message>
    <message>
        <source>Local currency</source>
        <translation>Valuta locale</translation>
    </message>
    <message>
        <source>The Setup tab also changes your local currency. A new local currency replaces the foreign list with a fresh starting list, so Ratepad asks before it does so.</source>
        <translation>Nella scheda Opzioni puoi anche cambiare la valuta locale. Una nuova valuta locale sostituisce l’elenco delle valute estere con un nuovo elenco iniziale, per questo Ratepad chiede prima conferma.</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>I tuoi dati</translation>
    </message>
    <message>
        <source>Your currencies, rates and settings are saved on this computer a moment after every change and when Ratepad quits. Nothing is sent anywhere except the currency codes of the rates being looked up.</source>
        <translation>Le tue valute, i cambi e le impostazioni vengono salvati su questo computer poco dopo ogni modifica e alla chiusura di Ratepad. Non viene inviato nulla, a parte i codici delle valute di cui si cercano i cambi.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Exchange rates for many currencies</source>
        <translation>Tassi di cambio per molte valute</translation>
    </message>
    <message>
        <source>Simple Calculator</source>
        <translation>Simple Calculator</translation>
    </message>
    <message>
        <source>A calculator without clutter</source>
        <translation>Una calcolatrice essenziale</translation>
    </message>
    <message>
        <source>Calculator++</source>
        <translation>Calculator++</translation>
    </message>
    <message>
        <source>Scientific calculator with history</source>
        <translation>Calcolatrice scientifica con cronologia</translation>
    </message>
    <message>
        <source>Unit Converter Ultimate</source>
        <translation>Unit Converter Ultimate</translation>
    </message>
    <message>
        <source>Converts units of every kind</source>
        <translation>Converte unità di ogni tipo</translation>
    </message>
    <message>
        <source>Qalculate!</source>
        <translation>Qalculate!</translation>
    </message>
    <message>
        <source>Calculator with units and currencies</source>
        <translation>Calcolatrice con unità e valute</translation>
    </message>
    <message>
        <source>GNOME Calculator</source>
        <translation>GNOME Calculator</translation>
    </message>
    <message>
        <source>Desktop calculator with currency conversion</source>
        <translation>Calcolatrice desktop con conversione valute</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Select Currency</source>
        <translation>Scegli valuta</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Type In a Currency</source>
        <translation>Inserisci una valuta</translation>
    </message>
    <message>
        <source>Type In %@</source>
        <translation>Inserisci %@</translation>
    </message>
    <message>
        <source>Exchange Rates</source>
        <translation>Tassi di cambio</translation>
    </message>
    <message>
        <source>Download exchange rates
for 190+ world currencies</source>
        <translation>Scarica i tassi di cambio
di oltre 190 valute del mondo</translation>
    </message>
    <message>
        <source>Tap to set your home currency</source>
        <translation>Tocca per impostare la valuta locale</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Aggiornamenti automatici</translation>
    </message>
    <message>
        <source>Changing the local currency will revert all foreign currencies</source>
        <translation>Cambiando la valuta locale verranno ripristinate tutte le valute estere</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>In corso</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Next tab: %1, previous tab: %2</source>
        <translation>Scheda successiva: %1, scheda precedente: %2</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Shift+Tab, or Ctrl+Page Down and Ctrl+Page Up, go to the next and the previous tab; Alt+1 to Alt+5 open a tab directly. Tab moves between the controls; in a list the arrow keys move the highlight and Return or Space chooses the row. While the Rates list is being edited, Delete or Backspace asks to delete the highlighted currency and Return confirms; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Ctrl+Tab e Ctrl+Maiusc+Tab, oppure Ctrl+Pag giù e Ctrl+Pag su, passano alla scheda successiva e a quella precedente; da Alt+1 ad Alt+5 aprono direttamente una scheda. Tab passa da un controllo all’altro; in un elenco i tasti freccia spostano l’evidenziazione e Invio o Spazio sceglie la riga. Mentre si modifica l’elenco dei cambi, Canc o Backspace chiede di eliminare la valuta evidenziata e Invio conferma; Ctrl+Su e Ctrl+Giù la spostano.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Currencies</source>
        <comment>title of the currency list</comment>
        <translation>Valute</translation>
    </message>
    <message>
        <source>Keep this rate</source>
        <translation>Mantieni questo cambio</translation>
    </message>
    <message>
        <source>Type an amount on the keypad of the first tab. The upper row shows it in your local currency and converted into the current foreign currency; the lower row shows the same amount in the foreign currency and converted back. Results are exact and rounded to two decimals; a result too small for that shows its first three significant digits. C clears the amount. On a computer you can type digits and the decimal point (a point or a comma), take back the last key with Backspace, clear with Escape or Delete, and copy the converted amount with Ctrl+C.</source>
        <translation>Digita un importo sul tastierino della prima scheda. La riga superiore lo mostra nella tua valuta locale e convertito nella valuta estera attuale; la riga inferiore mostra lo stesso importo nella valuta estera e riconvertito. I risultati sono esatti e arrotondati a due decimali; un risultato troppo piccolo per questo mostra le sue prime tre cifre significative. C cancella l’importo. Su un computer puoi digitare cifre e il separatore decimale (punto o virgola), annullare l’ultimo tasto con Backspace, cancellare con Esc o Canc, e copiare l’importo convertito con Ctrl+C.</translation>
    </message>
    <message>
        <source>The Rates tab lists your foreign currencies with their rate (how much of the foreign currency one unit of your local currency buys) and when their source published it (or, where the service does not say, when it was downloaded). Tap a currency to make it the one the keypad converts into. Tap Edit to delete currencies, to move them by their grips, or to change the name or the rate of one. A rate you type reads Your rate until the next download replaces it; with Keep this rate on, downloads leave it alone (a pin marks it).</source>
        <translation>La scheda Cambi elenca le tue valute estere con il loro cambio (quanta valuta estera si ottiene con un’unità della tua valuta locale) e l’ora in cui la fonte l’ha pubblicato (o, se il servizio non lo indica, quella del download). Tocca una valuta perché il tastierino converta in quella. Tocca Modifica per eliminare valute, spostarle con le maniglie o cambiarne il nome o il cambio. Un cambio digitato da te appare come «Il tuo cambio» finché il download successivo non lo sostituisce; con «Mantieni questo cambio» attivo, i download lo lasciano invariato (lo segna una puntina).</translation>
    </message>
    <message>
        <source>Your rate</source>
        <translation>Il tuo cambio</translation>
    </message>
    <message>
        <source>Phone Applications</source>
        <translation>Applicazioni per telefono</translation>
    </message>
    <message>
        <source>Desktop Applications</source>
        <translation>Applicazioni desktop</translation>
    </message>
    <message>
        <source>Made by %@</source>
        <translation>Creata da %@</translation>
    </message>
    <message>
        <source>Cannot Open Link</source>
        <translation>Impossibile aprire il link</translation>
    </message>
    <message>
        <source>No application here opens this link. It has been copied to the clipboard.</source>
        <translation>Nessuna applicazione qui apre questo link. È stato copiato negli appunti.</translation>
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
        <translation>Ti piace %@?</translation>
    </message>
    <message>
        <source>If you find it useful, would you take a moment to rate it in the store? It won&apos;t take more than a minute. Thank you for your support!</source>
        <translation>Se la trovi utile, ti andrebbe di dedicare un momento a valutarla nello store? Non ci vorrà più di un minuto. Grazie per il tuo supporto!</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>No, grazie</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Valuta ora</translation>
    </message>
</context>
</TS>
