<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Localizable</name>
    <message>
        <source>Converter</source>
        <translation>Umrechner</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Kurse</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Currencies</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>Letzte Aktualisierung</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>in %@</source>
        <translation>in %@</translation>
    </message>
    <message>
        <source>Amount in %@</source>
        <translation>Betrag in %@</translation>
    </message>
    <message>
        <source>Amount converted to %@</source>
        <translation>Betrag umgerechnet in %@</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Add Currency </source>
        <translation>Währung hinzufügen </translation>
    </message>
    <message>
        <source>Edit a Foreign Currency</source>
        <translation>Fremdwährung bearbeiten</translation>
    </message>
    <message>
        <source>Select a Foreign Currency</source>
        <translation>Fremdwährung auswählen</translation>
    </message>
    <message>
        <source>Add Foreign Currency</source>
        <translation>Fremdwährung hinzufügen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Exchange rate update relies on </source>
        <translation>Die Kursaktualisierung ist auf </translation>
    </message>
    <message>
        <source>an Internet server.
</source>
        <translation>einen Internetserver angewiesen.
</translation>
    </message>
    <message>
        <source>That server cannot currently be reached. </source>
        <translation>Dieser Server ist zurzeit nicht erreichbar. </translation>
    </message>
    <message>
        <source>Please try again later.</source>
        <translation>Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Exchange rate update requires </source>
        <translation>Die Kursaktualisierung erfordert </translation>
    </message>
    <message>
        <source>an Internet connection.
</source>
        <translation>eine Internetverbindung.
</translation>
    </message>
    <message>
        <source>Please check the connection and try again.</source>
        <translation>Bitte prüfen Sie die Verbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Server not reachable</source>
        <translation>Server nicht erreichbar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Master Currency</source>
        <translation>Basiswährung</translation>
    </message>
    <message>
        <source>Foreign Currency</source>
        <translation>Fremdwährung</translation>
    </message>
    <message>
        <source>Automatic updates are supported 
for 190+ world currencies</source>
        <translation>Automatische Updates gibt es 
für über 190 Währungen weltweit</translation>
    </message>
    <message>
        <source>Value of 1 %@ in above currency</source>
        <translation>Wert von 1 %@ in dieser Währung</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>Wechselkurs</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Umrechnen</translation>
    </message>
    <message>
        <source>Foreign currencies</source>
        <translation>Fremdwährungen</translation>
    </message>
    <message>
        <source>Adding currencies</source>
        <translation>Währungen hinzufügen</translation>
    </message>
    <message>
        <source>Tap Add Foreign Currency to choose from more than 190 world currencies; the search field finds one by its code or its name. A currency that is not in the list can be typed in with More, together with its rate. Rates are downloaded only for currencies of the list.</source>
        <translation>Tippen Sie auf „Fremdwährung hinzufügen“, um aus über 190 Währungen der Welt zu wählen; das Suchfeld findet eine Währung über ihren Code oder Namen. Eine Währung, die nicht in der Liste steht, können Sie mit „Mehr“ samt Kurs selbst eingeben. Kurse werden nur für Währungen aus der Liste geladen.</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Wechselkurse</translation>
    </message>
    <message>
        <source>With automatic updates on (the Setup tab), Ratepad downloads every rate when the last download is six hours old, and rates that are still missing whenever it starts. The refresh button of the Rates tab downloads all rates at once. Until a rate has been downloaded, a starting rate shipped with Ratepad is used, so conversions work offline from the first start.</source>
        <translation>Sind automatische Updates eingeschaltet (Tab „Optionen“), lädt Ratepad alle Kurse, sobald der letzte Download sechs Stunden alt ist, und noch fehlende Kurse bei jedem Start. Die Aktualisieren-Taste im Tab „Kurse“ lädt alle Kurse auf einmal. Bis ein Kurs geladen ist, gilt ein mit Ratepad mitgelieferter Startkurs, sodass die Umrechnung schon beim ersten Start offline funktioniert.</translation>
    </message>
    <message>
        <source>Local currency</source>
        <translation>Landeswährung</translation>
    </message>
    <message>
        <source>The Setup tab also changes your local currency. A new local currency replaces the foreign list with a fresh starting list, so Ratepad asks before it does so.</source>
        <translation>Im Tab „Optionen“ ändern Sie auch Ihre Landeswährung. Eine neue Landeswährung ersetzt die Liste der Fremdwährungen durch eine neue Startliste, deshalb fragt Ratepad vorher nach.</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Ihre Daten</translation>
    </message>
    <message>
        <source>Your currencies, rates and settings are saved on this computer a moment after every change and when Ratepad quits. Nothing is sent anywhere except the currency codes of the rates being looked up.</source>
        <translation>Ihre Währungen, Kurse und Einstellungen werden kurz nach jeder Änderung und beim Beenden von Ratepad auf diesem Computer gespeichert. Übertragen werden nur die Währungscodes der abgefragten Kurse, sonst nichts.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exchange rates for many currencies</source>
        <translation>Wechselkurse für viele Währungen</translation>
    </message>
    <message>
        <source>Simple Calculator</source>
        <translation>Simple Calculator</translation>
    </message>
    <message>
        <source>A calculator without clutter</source>
        <translation>Ein Rechner ohne Schnickschnack</translation>
    </message>
    <message>
        <source>Calculator++</source>
        <translation>Calculator++</translation>
    </message>
    <message>
        <source>Scientific calculator with history</source>
        <translation>Wissenschaftlicher Rechner mit Verlauf</translation>
    </message>
    <message>
        <source>Unit Converter Ultimate</source>
        <translation>Unit Converter Ultimate</translation>
    </message>
    <message>
        <source>Converts units of every kind</source>
        <translation>Rechnet Einheiten aller Art um</translation>
    </message>
    <message>
        <source>Qalculate!</source>
        <translation>Qalculate!</translation>
    </message>
    <message>
        <source>Calculator with units and currencies</source>
        <translation>Rechner mit Einheiten und Währungen</translation>
    </message>
    <message>
        <source>GNOME Calculator</source>
        <translation>GNOME Calculator</translation>
    </message>
    <message>
        <source>Desktop calculator with currency conversion</source>
        <translation>Desktop-Rechner mit Währungsumrechnung</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Select Currency</source>
        <translation>Währung wählen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Type In a Currency</source>
        <translation>Währung eingeben</translation>
    </message>
    <message>
        <source>Type In %@</source>
        <translation>%@ eingeben</translation>
    </message>
    <message>
        <source>Exchange Rates</source>
        <translation>Wechselkurse</translation>
    </message>
    <message>
        <source>Download exchange rates
for 190+ world currencies</source>
        <translation>Wechselkurse laden
für über 190 Währungen weltweit</translation>
    </message>
    <message>
        <source>Tap to set your home currency</source>
        <translation>Tippen, um die Landeswährung festzulegen</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Auto-Updates</translation>
    </message>
    <message>
        <source>Changing the local currency will revert all foreign currencies</source>
        <translation>Wenn Sie die Landeswährung ändern, werden alle Fremdwährungen zurückgesetzt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>In Bearbeitung</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Next tab: %1, previous tab: %2</source>
        <translation>Nächster Tab: %1, vorheriger Tab: %2</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Shift+Tab, or Ctrl+Page Down and Ctrl+Page Up, go to the next and the previous tab; Alt+1 to Alt+5 open a tab directly. Tab moves between the controls; in a list the arrow keys move the highlight and Return or Space chooses the row. While the Rates list is being edited, Delete or Backspace asks to delete the highlighted currency and Return confirms; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Strg+Tab und Strg+Umschalt+Tab oder Strg+Bild ab und Strg+Bild auf wechseln zum nächsten und zum vorigen Tab; Alt+1 bis Alt+5 öffnen einen Tab direkt. Tab wechselt zwischen den Bedienelementen; in einer Liste bewegen die Pfeiltasten die Markierung, und Eingabe oder Leertaste wählt die Zeile. Während die Kursliste bearbeitet wird, fragt Entf oder Rücktaste, ob die markierte Währung gelöscht werden soll, und Eingabe bestätigt; Strg+Pfeil hoch und Strg+Pfeil runter verschieben sie.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Currencies</source>
        <comment>title of the currency list</comment>
        <translation>Währungen</translation>
    </message>
    <message>
        <source>Keep this rate</source>
        <translation>Diesen Kurs behalten</translation>
    </message>
    <message>
        <source>Type an amount on the keypad of the first tab. The upper row shows it in your local currency and converted into the current foreign currency; the lower row shows the same amount in the foreign currency and converted back. Results are exact and rounded to two decimals; a result too small for that shows its first three significant digits. C clears the amount. On a computer you can type digits and the decimal point (a point or a comma), take back the last key with Backspace, clear with Escape or Delete, and copy the converted amount with Ctrl+C.</source>
        <translation>Geben Sie im ersten Tab einen Betrag über das Tastenfeld ein. Die obere Zeile zeigt ihn in Ihrer Landeswährung und umgerechnet in die aktuelle Fremdwährung, die untere Zeile denselben Betrag in der Fremdwährung und zurückgerechnet. Die Ergebnisse sind exakt und auf zwei Nachkommastellen gerundet; ein Ergebnis, das dafür zu klein ist, zeigt seine ersten drei signifikanten Stellen. C löscht den Betrag. Am Computer können Sie Ziffern und das Dezimaltrennzeichen (Punkt oder Komma) tippen, die letzte Taste mit der Rücktaste zurücknehmen, mit Esc oder Entf löschen und den umgerechneten Betrag mit Strg+C kopieren.</translation>
    </message>
    <message>
        <source>The Rates tab lists your foreign currencies with their rate (how much of the foreign currency one unit of your local currency buys) and when their source published it (or, where the service does not say, when it was downloaded). Tap a currency to make it the one the keypad converts into. Tap Edit to delete currencies, to move them by their grips, or to change the name or the rate of one. A rate you type reads Your rate until the next download replaces it; with Keep this rate on, downloads leave it alone (a pin marks it).</source>
        <translation>Der Tab „Kurse“ listet Ihre Fremdwährungen mit ihrem Kurs (wie viel Fremdwährung Sie für eine Einheit Ihrer Landeswährung erhalten) und dem Zeitpunkt, zu dem ihre Quelle ihn veröffentlicht hat (oder, wo der Dienst das nicht angibt, dem des Downloads). Tippen Sie auf eine Währung, damit das Tastenfeld in diese umrechnet. Mit „Ändern“ können Sie Währungen löschen, an ihren Griffen verschieben oder bei einer den Namen oder den Kurs ändern. Ein eingegebener Kurs heißt „Ihr Kurs“, bis ihn der nächste Download ersetzt; mit „Diesen Kurs behalten“ lassen Downloads ihn unverändert (eine Nadel markiert ihn).</translation>
    </message>
    <message>
        <source>Your rate</source>
        <translation>Ihr Kurs</translation>
    </message>
    <message>
        <source>Phone Applications</source>
        <translation>Apps fürs Telefon</translation>
    </message>
    <message>
        <source>Desktop Applications</source>
        <translation>Desktop-Anwendungen</translation>
    </message>
    <message>
        <source>Made by %@</source>
        <translation>Von %@</translation>
    </message>
    <message>
        <source>Cannot Open Link</source>
        <translation>Link lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>No application here opens this link. It has been copied to the clipboard.</source>
        <translation>Keine Anwendung hier öffnet diesen Link. Er wurde in die Zwischenablage kopiert.</translation>
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
        <translation>Gefällt Ihnen %@?</translation>
    </message>
    <message>
        <source>If you find it useful, would you take a moment to rate it in the store? It won&apos;t take more than a minute. Thank you for your support!</source>
        <translation>Wenn Sie die App nützlich finden, würden Sie sie kurz im Store bewerten? Das dauert höchstens eine Minute. Vielen Dank für Ihre Unterstützung!</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Nein, danke</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Jetzt bewerten</translation>
    </message>
</context>
</TS>
