<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Localizable</name>
    <message>
        <source>Converter</source>
        <translation>Przelicznik</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Kursy</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Currencies</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>Ostatnia aktualizacja</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Separator dziesiętny</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>in %@</source>
        <translation>w %@</translation>
    </message>
    <message>
        <source>Amount in %@</source>
        <translation>Kwota w %@</translation>
    </message>
    <message>
        <source>Amount converted to %@</source>
        <translation>Kwota przeliczona na %@</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nigdy</translation>
    </message>
    <message>
        <source>Add Currency </source>
        <translation>Dodaj walutę </translation>
    </message>
    <message>
        <source>Edit a Foreign Currency</source>
        <translation>Edytuj walutę obcą</translation>
    </message>
    <message>
        <source>Select a Foreign Currency</source>
        <translation>Wybierz walutę obcą</translation>
    </message>
    <message>
        <source>Add Foreign Currency</source>
        <translation>Dodaj walutę obcą</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>Exchange rate update relies on </source>
        <translation>Aktualizacja kursów korzysta z </translation>
    </message>
    <message>
        <source>an Internet server.
</source>
        <translation>serwera internetowego.
</translation>
    </message>
    <message>
        <source>That server cannot currently be reached. </source>
        <translation>Ten serwer jest obecnie niedostępny. </translation>
    </message>
    <message>
        <source>Please try again later.</source>
        <translation>Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Exchange rate update requires </source>
        <translation>Aktualizacja kursów wymaga </translation>
    </message>
    <message>
        <source>an Internet connection.
</source>
        <translation>połączenia z internetem.
</translation>
    </message>
    <message>
        <source>Please check the connection and try again.</source>
        <translation>Sprawdź połączenie i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Server not reachable</source>
        <translation>Serwer niedostępny</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Waluta</translation>
    </message>
    <message>
        <source>Master Currency</source>
        <translation>Waluta główna</translation>
    </message>
    <message>
        <source>Foreign Currency</source>
        <translation>Waluta obca</translation>
    </message>
    <message>
        <source>Automatic updates are supported 
for 190+ world currencies</source>
        <translation>Automatyczne aktualizacje obejmują 
ponad 190 walut świata</translation>
    </message>
    <message>
        <source>Value of 1 %@ in above currency</source>
        <translation>Wartość 1 %@ w walucie powyżej</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>Kurs wymiany</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Przeliczanie</translation>
    </message>
    <message>
        <source>Foreign currencies</source>
        <translation>Waluty obce</translation>
    </message>
    <message>
        <source>Adding currencies</source>
        <translation>Dodawanie walut</translation>
    </message>
    <message>
        <source>Tap Add Foreign Currency to choose from more than 190 world currencies; the search field finds one by its code or its name. A currency that is not in the list can be typed in with More, together with its rate. Rates are downloaded only for currencies of the list.</source>
        <translation>Stuknij Dodaj walutę obcą, aby wybrać spośród ponad 190 walut świata; pole wyszukiwania znajdzie walutę po kodzie lub nazwie. Walutę spoza listy można wpisać przyciskiem Więcej, razem z jej kursem. Kursy są pobierane tylko dla walut z listy.</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Kursy walut</translation>
    </message>
    <message>
        <source>With automatic updates on (the Setup tab), Ratepad downloads every rate when the last download is six hours old, and rates that are still missing whenever it starts. The refresh button of the Rates tab downloads all rates at once. Until a rate has been downloaded, a starting rate shipped with Ratepad is used, so conversions work offline from the first start.</source>
        <translation>Gdy automatyczne aktualizacje są włączone (karta Ustawienia), Ratepad pobiera wszystkie kursy, gdy od ostatniego pobrania minie sześć godzin, a brakujące kursy przy każdym uruchomieniu. Przycisk odświeżania na karcie Kursy pobiera wszystkie kursy naraz. Dopóki kurs nie zostanie pobrany, używany jest kurs początkowy dołączony do Ratepad, więc przeliczanie działa offline od pierwszego uruchomienia.</translation>
    </message>
    <message>
        <source>Local currency</source>
        <translation>Waluta lokalna</translation>
    </message>
    <message>
        <source>The Setup tab also changes your local currency. A new local currency replaces the foreign list with a fresh starting list, so Ratepad asks before it does so.</source>
        <translation>Na karcie Ustawienia zmienisz też walutę lokalną. Nowa waluta lokalna zastępuje listę walut obcych nową listą początkową, dlatego Ratepad najpierw o to pyta.</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Twoje dane</translation>
    </message>
    <message>
        <source>Your currencies, rates and settings are saved on this computer a moment after every change and when Ratepad quits. Nothing is sent anywhere except the currency codes of the rates being looked up.</source>
        <translation>Twoje waluty, kursy i ustawienia są zapisywane na tym komputerze chwilę po każdej zmianie oraz przy zamykaniu Ratepad. Nic nie jest nigdzie wysyłane poza kodami walut, których kursy są sprawdzane.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Exchange rates for many currencies</source>
        <translation>Kursy wielu walut</translation>
    </message>
    <message>
        <source>Simple Calculator</source>
        <translation>Simple Calculator</translation>
    </message>
    <message>
        <source>A calculator without clutter</source>
        <translation>Kalkulator bez zbędnych dodatków</translation>
    </message>
    <message>
        <source>Calculator++</source>
        <translation>Calculator++</translation>
    </message>
    <message>
        <source>Scientific calculator with history</source>
        <translation>Kalkulator naukowy z historią</translation>
    </message>
    <message>
        <source>Unit Converter Ultimate</source>
        <translation>Unit Converter Ultimate</translation>
    </message>
    <message>
        <source>Converts units of every kind</source>
        <translation>Przelicza jednostki wszelkiego rodzaju</translation>
    </message>
    <message>
        <source>Qalculate!</source>
        <translation>Qalculate!</translation>
    </message>
    <message>
        <source>Calculator with units and currencies</source>
        <translation>Kalkulator z jednostkami i walutami</translation>
    </message>
    <message>
        <source>GNOME Calculator</source>
        <translation>GNOME Calculator</translation>
    </message>
    <message>
        <source>Desktop calculator with currency conversion</source>
        <translation>Kalkulator z przeliczaniem walut</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Więcej</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Select Currency</source>
        <translation>Wybierz walutę</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Type In a Currency</source>
        <translation>Wpisz walutę</translation>
    </message>
    <message>
        <source>Type In %@</source>
        <translation>Wpisz %@</translation>
    </message>
    <message>
        <source>Exchange Rates</source>
        <translation>Kursy walut</translation>
    </message>
    <message>
        <source>Download exchange rates
for 190+ world currencies</source>
        <translation>Pobieraj kursy
ponad 190 walut świata</translation>
    </message>
    <message>
        <source>Tap to set your home currency</source>
        <translation>Stuknij, aby ustawić walutę lokalną</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Automatyczna aktualizacja</translation>
    </message>
    <message>
        <source>Changing the local currency will revert all foreign currencies</source>
        <translation>Zmiana waluty lokalnej przywróci wszystkie waluty obce do stanu początkowego</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>W toku</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Next tab: %1, previous tab: %2</source>
        <translation>Następna karta: %1, poprzednia karta: %2</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Shift+Tab, or Ctrl+Page Down and Ctrl+Page Up, go to the next and the previous tab; Alt+1 to Alt+5 open a tab directly. Tab moves between the controls; in a list the arrow keys move the highlight and Return or Space chooses the row. While the Rates list is being edited, Delete or Backspace asks to delete the highlighted currency and Return confirms; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Ctrl+Tab i Ctrl+Shift+Tab albo Ctrl+Page Down i Ctrl+Page Up przechodzą do następnej i poprzedniej karty; Alt+1 do Alt+5 otwierają kartę bezpośrednio. Tab przechodzi między elementami sterującymi; na liście strzałki przesuwają podświetlenie, a Enter lub spacja wybiera wiersz. Podczas edycji listy kursów Delete lub Backspace pyta o usunięcie podświetlonej waluty, a Enter to potwierdza; Ctrl+strzałka w górę i Ctrl+strzałka w dół ją przesuwają.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Currencies</source>
        <comment>title of the currency list</comment>
        <translation>Waluty</translation>
    </message>
    <message>
        <source>Keep this rate</source>
        <translation>Zachowaj ten kurs</translation>
    </message>
    <message>
        <source>Type an amount on the keypad of the first tab. The upper row shows it in your local currency and converted into the current foreign currency; the lower row shows the same amount in the foreign currency and converted back. Results are exact and rounded to two decimals; a result too small for that shows its first three significant digits. C clears the amount. On a computer you can type digits and the decimal point (a point or a comma), take back the last key with Backspace, clear with Escape or Delete, and copy the converted amount with Ctrl+C.</source>
        <translation>Wpisz kwotę na klawiaturze na pierwszej karcie. Górny wiersz pokazuje ją w walucie lokalnej i po przeliczeniu na bieżącą walutę obcą; dolny wiersz pokazuje tę samą kwotę w walucie obcej i przeliczoną z powrotem. Wyniki są dokładne i zaokrąglone do dwóch miejsc po przecinku; wynik zbyt mały, by go tak pokazać, ma trzy pierwsze cyfry znaczące. C czyści kwotę. Na komputerze możesz wpisywać cyfry i separator dziesiętny (kropkę lub przecinek), cofnąć ostatni klawisz klawiszem Backspace, wyczyścić kwotę klawiszem Esc lub Delete, a przeliczoną kwotę skopiować skrótem Ctrl+C.</translation>
    </message>
    <message>
        <source>The Rates tab lists your foreign currencies with their rate (how much of the foreign currency one unit of your local currency buys) and when their source published it (or, where the service does not say, when it was downloaded). Tap a currency to make it the one the keypad converts into. Tap Edit to delete currencies, to move them by their grips, or to change the name or the rate of one. A rate you type reads Your rate until the next download replaces it; with Keep this rate on, downloads leave it alone (a pin marks it).</source>
        <translation>Karta Kursy pokazuje Twoje waluty obce z ich kursem (ile waluty obcej dostajesz za jednostkę waluty lokalnej) i godziną, o której źródło go opublikowało (lub, gdy usługa tego nie podaje, godziną pobrania). Stuknij walutę, aby klawiatura przeliczała na nią. Stuknij Edytuj, aby usuwać waluty, przesuwać je za uchwyty lub zmienić nazwę albo kurs jednej z nich. Wpisany kurs jest oznaczony jako „Twój kurs”, dopóki następne pobranie go nie zastąpi; przy włączonym „Zachowaj ten kurs” pobrania go nie zmieniają (oznacza go pinezka).</translation>
    </message>
    <message>
        <source>Your rate</source>
        <translation>Twój kurs</translation>
    </message>
    <message>
        <source>Phone Applications</source>
        <translation>Aplikacje na telefon</translation>
    </message>
    <message>
        <source>Desktop Applications</source>
        <translation>Aplikacje na komputer</translation>
    </message>
    <message>
        <source>Made by %@</source>
        <translation>Autor: %@</translation>
    </message>
    <message>
        <source>Cannot Open Link</source>
        <translation>Nie można otworzyć łącza</translation>
    </message>
    <message>
        <source>No application here opens this link. It has been copied to the clipboard.</source>
        <translation>Żadna aplikacja na tym komputerze nie otwiera tego łącza. Skopiowano je do schowka.</translation>
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
        <translation>Podoba Ci się %@?</translation>
    </message>
    <message>
        <source>If you find it useful, would you take a moment to rate it in the store? It won&apos;t take more than a minute. Thank you for your support!</source>
        <translation>Jeśli uważasz ją za przydatną, czy możesz poświęcić chwilę, aby ocenić ją w sklepie? Zajmie to najwyżej minutę. Dziękujemy za wsparcie!</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Nie, dziękuję</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Oceń teraz</translation>
    </message>
</context>
</TS>
