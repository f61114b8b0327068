<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Localizable</name>
    <message>
        <source>Converter</source>
        <translation>Omrekenen</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Koersen</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Currencies</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>Laatst bijgewerkt</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Decimaalteken</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>in %@</source>
        <translation>in %@</translation>
    </message>
    <message>
        <source>Amount in %@</source>
        <translation>Bedrag in %@</translation>
    </message>
    <message>
        <source>Amount converted to %@</source>
        <translation>Bedrag omgerekend naar %@</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <source>Add Currency </source>
        <translation>Valuta toevoegen </translation>
    </message>
    <message>
        <source>Edit a Foreign Currency</source>
        <translation>Vreemde valuta wijzigen</translation>
    </message>
    <message>
        <source>Select a Foreign Currency</source>
        <translation>Kies een vreemde valuta</translation>
    </message>
    <message>
        <source>Add Foreign Currency</source>
        <translation>Vreemde valuta toevoegen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>Exchange rate update relies on </source>
        <translation>Het bijwerken van koersen gaat via </translation>
    </message>
    <message>
        <source>an Internet server.
</source>
        <translation>een internetserver.
</translation>
    </message>
    <message>
        <source>That server cannot currently be reached. </source>
        <translation>Die server is op dit moment niet bereikbaar. </translation>
    </message>
    <message>
        <source>Please try again later.</source>
        <translation>Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Exchange rate update requires </source>
        <translation>Voor het bijwerken van koersen is </translation>
    </message>
    <message>
        <source>an Internet connection.
</source>
        <translation>een internetverbinding nodig.
</translation>
    </message>
    <message>
        <source>Please check the connection and try again.</source>
        <translation>Controleer de verbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Server not reachable</source>
        <translation>Server niet bereikbaar</translation>
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
        <translation>Hoofdvaluta</translation>
    </message>
    <message>
        <source>Foreign Currency</source>
        <translation>Vreemde valuta</translation>
    </message>
    <message>
        <source>Automatic updates are supported 
for 190+ world currencies</source>
        <translation>Automatische updates zijn er 
voor meer dan 190 valuta’s</translation>
    </message>
    <message>
        <source>Value of 1 %@ in above currency</source>
        <translation>Waarde van 1 %@ in bovenstaande valuta</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>Wisselkoers</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Omrekenen</translation>
    </message>
    <message>
        <source>Foreign currencies</source>
        <translation>Vreemde valuta</translation>
    </message>
    <message>
        <source>Adding currencies</source>
        <translation>Valuta toevoegen</translation>
    </message>
    <message>
        <source>Tap Add Foreign Currency to choose from more than 190 world currencies; the search field finds one by its code or its name. A currency that is not in the list can be typed in with More, together with its rate. Rates are downloaded only for currencies of the list.</source>
        <translation>Tik op Vreemde valuta toevoegen om te kiezen uit meer dan 190 valuta’s van over de hele wereld; het zoekveld vindt een valuta op code of naam. Een valuta die niet in de lijst staat, kun je met Meer zelf invoeren, samen met de koers. Koersen worden alleen gedownload voor valuta’s in de lijst.</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Wisselkoersen</translation>
    </message>
    <message>
        <source>With automatic updates on (the Setup tab), Ratepad downloads every rate when the last download is six hours old, and rates that are still missing whenever it starts. The refresh button of the Rates tab downloads all rates at once. Until a rate has been downloaded, a starting rate shipped with Ratepad is used, so conversions work offline from the first start.</source>
        <translation>Met automatische updates aan (tabblad Instellingen) downloadt Ratepad alle koersen zodra de laatste download zes uur oud is, en ontbrekende koersen bij elke start. De vernieuwknop op het tabblad Koersen downloadt alle koersen tegelijk. Zolang een koers nog niet is gedownload, gebruikt Ratepad een meegeleverde startkoers, zodat omrekenen vanaf de eerste start ook offline werkt.</translation>
    </message>
    <message>
        <source>Local currency</source>
        <translation>Eigen valuta</translation>
    </message>
    <message>
        <source>The Setup tab also changes your local currency. A new local currency replaces the foreign list with a fresh starting list, so Ratepad asks before it does so.</source>
        <translation>Op het tabblad Instellingen wijzig je ook je eigen valuta. Een nieuwe eigen valuta vervangt de lijst met vreemde valuta door een nieuwe startlijst, daarom vraagt Ratepad het eerst.</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Je gegevens</translation>
    </message>
    <message>
        <source>Your currencies, rates and settings are saved on this computer a moment after every change and when Ratepad quits. Nothing is sent anywhere except the currency codes of the rates being looked up.</source>
        <translation>Je valuta, koersen en instellingen worden kort na elke wijziging en bij het afsluiten van Ratepad op deze computer bewaard. Er wordt niets verstuurd, behalve de valutacodes van de koersen die worden opgevraagd.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Exchange rates for many currencies</source>
        <translation>Wisselkoersen voor veel valuta’s</translation>
    </message>
    <message>
        <source>Simple Calculator</source>
        <translation>Simple Calculator</translation>
    </message>
    <message>
        <source>A calculator without clutter</source>
        <translation>Een rekenmachine zonder franje</translation>
    </message>
    <message>
        <source>Calculator++</source>
        <translation>Calculator++</translation>
    </message>
    <message>
        <source>Scientific calculator with history</source>
        <translation>Wetenschappelijke rekenmachine met geschiedenis</translation>
    </message>
    <message>
        <source>Unit Converter Ultimate</source>
        <translation>Unit Converter Ultimate</translation>
    </message>
    <message>
        <source>Converts units of every kind</source>
        <translation>Rekent allerlei eenheden om</translation>
    </message>
    <message>
        <source>Qalculate!</source>
        <translation>Qalculate!</translation>
    </message>
    <message>
        <source>Calculator with units and currencies</source>
        <translation>Rekenmachine met eenheden en valuta’s</translation>
    </message>
    <message>
        <source>GNOME Calculator</source>
        <translation>GNOME Calculator</translation>
    </message>
    <message>
        <source>Desktop calculator with currency conversion</source>
        <translation>Desktoprekenmachine die valuta omrekent</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Meer</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Select Currency</source>
        <translation>Kies valuta</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Type In a Currency</source>
        <translation>Valuta invoeren</translation>
    </message>
    <message>
        <source>Type In %@</source>
        <translation>%@ invoeren</translation>
    </message>
    <message>
        <source>Exchange Rates</source>
        <translation>Wisselkoersen</translation>
    </message>
    <message>
        <source>Download exchange rates
for 190+ world currencies</source>
        <translation>Download wisselkoersen
voor meer dan 190 valuta’s</translation>
    </message>
    <message>
        <source>Tap to set your home currency</source>
        <translation>Tik om je eigen valuta in te stellen</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Automatisch bijwerken</translation>
    </message>
    <message>
        <source>Changing the local currency will revert all foreign currencies</source>
        <translation>Als je de eigen valuta wijzigt, worden alle vreemde valuta teruggezet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Overschrijf</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>Bezig</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Wijzig</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Bewaar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Voeg toe</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuw</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Next tab: %1, previous tab: %2</source>
        <translation>Volgend tabblad: %1, vorig tabblad: %2</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Toetsenbord</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Shift+Tab, or Ctrl+Page Down and Ctrl+Page Up, go to the next and the previous tab; Alt+1 to Alt+5 open a tab directly. Tab moves between the controls; in a list the arrow keys move the highlight and Return or Space chooses the row. While the Rates list is being edited, Delete or Backspace asks to delete the highlighted currency and Return confirms; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Ctrl+Tab en Ctrl+Shift+Tab, of Ctrl+Page Down en Ctrl+Page Up, gaan naar het volgende en het vorige tabblad; Alt+1 tot Alt+5 openen direct een tabblad. Tab gaat van het ene bedieningselement naar het andere; in een lijst verplaatsen de pijltoetsen de markering en kiest Enter of spatie de rij. Terwijl de koerslijst wordt bewerkt, vraagt Delete of Backspace of de gemarkeerde valuta verwijderd moet worden en bevestigt Enter; Ctrl+omhoog en Ctrl+omlaag verplaatsen haar.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijder</translation>
    </message>
    <message>
        <source>Currencies</source>
        <comment>title of the currency list</comment>
        <translation>Valuta</translation>
    </message>
    <message>
        <source>Keep this rate</source>
        <translation>Deze koers houden</translation>
    </message>
    <message>
        <source>Type an amount on the keypad of the first tab. The upper row shows it in your local currency and converted into the current foreign currency; the lower row shows the same amount in the foreign currency and converted back. Results are exact and rounded to two decimals; a result too small for that shows its first three significant digits. C clears the amount. On a computer you can type digits and the decimal point (a point or a comma), take back the last key with Backspace, clear with Escape or Delete, and copy the converted amount with Ctrl+C.</source>
        <translation>Typ een bedrag op het toetsenblok van het eerste tabblad. De bovenste rij toont het in je eigen valuta en omgerekend naar de huidige vreemde valuta; de onderste rij toont hetzelfde bedrag in de vreemde valuta en terug omgerekend. De resultaten zijn exact en afgerond op twee decimalen; een resultaat dat daarvoor te klein is, toont zijn eerste drie significante cijfers. C wist het bedrag. Op een computer kun je cijfers en het decimaalteken (punt of komma) typen, de laatste toets terugnemen met Backspace, wissen met Esc of Delete en het omgerekende bedrag kopiëren met Ctrl+C.</translation>
    </message>
    <message>
        <source>The Rates tab lists your foreign currencies with their rate (how much of the foreign currency one unit of your local currency buys) and when their source published it (or, where the service does not say, when it was downloaded). Tap a currency to make it the one the keypad converts into. Tap Edit to delete currencies, to move them by their grips, or to change the name or the rate of one. A rate you type reads Your rate until the next download replaces it; with Keep this rate on, downloads leave it alone (a pin marks it).</source>
        <translation>Het tabblad Koersen toont je vreemde valuta met hun koers (hoeveel vreemde valuta je krijgt voor één eenheid van je eigen valuta) en het tijdstip waarop hun bron die publiceerde (of, waar de dienst dat niet zegt, dat van de download). Tik op een valuta om het toetsenblok daarnaar te laten omrekenen. Tik op Wijzig om valuta te verwijderen, ze aan hun grepen te verplaatsen of de naam of de koers van een valuta te wijzigen. Een koers die je typt, heet ‘Jouw koers’ tot de volgende download hem vervangt; met ‘Deze koers houden’ aan laten downloads hem ongemoeid (een punaise markeert hem).</translation>
    </message>
    <message>
        <source>Your rate</source>
        <translation>Jouw koers</translation>
    </message>
    <message>
        <source>Phone Applications</source>
        <translation>Apps voor de telefoon</translation>
    </message>
    <message>
        <source>Desktop Applications</source>
        <translation>Desktopapplicaties</translation>
    </message>
    <message>
        <source>Made by %@</source>
        <translation>Gemaakt door %@</translation>
    </message>
    <message>
        <source>Cannot Open Link</source>
        <translation>Kan link niet openen</translation>
    </message>
    <message>
        <source>No application here opens this link. It has been copied to the clipboard.</source>
        <translation>Geen toepassing hier opent deze link. Hij is naar het klembord gekopieerd.</translation>
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
        <translation>Vind je %@ handig?</translation>
    </message>
    <message>
        <source>If you find it useful, would you take a moment to rate it in the store? It won&apos;t take more than a minute. Thank you for your support!</source>
        <translation>Als je de app nuttig vindt, wil je dan even de tijd nemen om hem in de store te beoordelen? Het kost je niet meer dan een minuut. Bedankt voor je steun!</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Nee, bedankt</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Beoordeel nu</translation>
    </message>
</context>
</TS>
