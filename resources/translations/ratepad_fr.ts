<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Localizable</name>
    <message>
        <source>Converter</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Currencies</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>Dernière mise à jour</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Séparateur décimal</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>in %@</source>
        <translation>en %@</translation>
    </message>
    <message>
        <source>Amount in %@</source>
        <translation>Montant en %@</translation>
    </message>
    <message>
        <source>Amount converted to %@</source>
        <translation>Montant converti en %@</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Add Currency </source>
        <translation>Ajouter une devise </translation>
    </message>
    <message>
        <source>Edit a Foreign Currency</source>
        <translation>Modifier une devise</translation>
    </message>
    <message>
        <source>Select a Foreign Currency</source>
        <translation>Choisir une devise étrangère</translation>
    </message>
    <message>
        <source>Add Foreign Currency</source>
        <translation>Nouvelle devise étrangère</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Exchange rate update relies on </source>
        <translation>La mise à jour des taux passe par </translation>
    </message>
    <message>
        <source>an Internet server.
</source>
        <translation>un serveur Internet.
</translation>
    </message>
    <message>
        <source>That server cannot currently be reached. </source>
        <translation>Ce serveur est actuellement injoignable. </translation>
    </message>
    <message>
        <source>Please try again later.</source>
        <translation>Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Exchange rate update requires </source>
        <translation>La mise à jour des taux nécessite </translation>
    </message>
    <message>
        <source>an Internet connection.
</source>
        <translation>une connexion Internet.
</translation>
    </message>
    <message>
        <source>Please check the connection and try again.</source>
        <translation>Vérifiez la connexion et réessayez.</translation>
    </message>
    <message>
        <source>Server not reachable</source>
        <translation>Serveur injoignable</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Master Currency</source>
        <translation>Devise principale</translation>
    </message>
    <message>
        <source>Foreign Currency</source>
        <translation>Devise étrangère</translation>
    </message>
    <message>
        <source>Automatic updates are supported 
for 190+ world currencies</source>
        <translation>Mise à jour automatique possible 
pour plus de 190 devises du monde</translation>
    </message>
    <message>
        <source>Value of 1 %@ in above currency</source>
        <translation>Valeur de 1 %@ dans cette devise</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>Taux de change</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Foreign currencies</source>
        <translation>Devises étrangères</translation>
    </message>
    <message>
        <source>Adding currencies</source>
        <translation>Ajouter des devises</translation>
    </message>
    <message>
        <source>Tap Add Foreign Currency to choose from more than 190 world currencies; the search field finds one by its code or its name. A currency that is not in the list can be typed in with More, together with its rate. Rates are downloaded only for currencies of the list.</source>
        <translation>Touchez Nouvelle devise étrangère pour choisir parmi plus de 190 devises du monde&#xa0;; le champ de recherche en trouve une par son code ou son nom. Une devise absente de la liste peut être saisie avec Plus, accompagnée de son taux. Les taux ne sont téléchargés que pour les devises de la liste.</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Taux de change</translation>
    </message>
    <message>
        <source>With automatic updates on (the Setup tab), Ratepad downloads every rate when the last download is six hours old, and rates that are still missing whenever it starts. The refresh button of the Rates tab downloads all rates at once. Until a rate has been downloaded, a starting rate shipped with Ratepad is used, so conversions work offline from the first start.</source>
        <translation>Si les mises à jour automatiques sont activées (onglet Réglages), Ratepad télécharge tous les taux lorsque le dernier téléchargement date de six heures, et les taux encore manquants à chaque démarrage. Le bouton d’actualisation de l’onglet Taux télécharge tous les taux d’un coup. Tant qu’un taux n’a pas été téléchargé, un taux initial fourni avec Ratepad est utilisé&#xa0;: les conversions fonctionnent donc hors ligne dès le premier démarrage.</translation>
    </message>
    <message>
        <source>Local currency</source>
        <translation>Devise locale</translation>
    </message>
    <message>
        <source>The Setup tab also changes your local currency. A new local currency replaces the foreign list with a fresh starting list, so Ratepad asks before it does so.</source>
        <translation>L’onglet Réglages permet aussi de changer votre devise locale. Une nouvelle devise locale remplace la liste des devises étrangères par une nouvelle liste de départ&#xa0;; Ratepad demande donc confirmation avant.</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Vos données</translation>
    </message>
    <message>
        <source>Your currencies, rates and settings are saved on this computer a moment after every change and when Ratepad quits. Nothing is sent anywhere except the currency codes of the rates being looked up.</source>
        <translation>Vos devises, taux et réglages sont enregistrés sur cet ordinateur peu après chaque modification et à la fermeture de Ratepad. Rien n’est envoyé nulle part, hormis les codes des devises dont les taux sont demandés.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exchange rates for many currencies</source>
        <translation>Taux de change de nombreuses devises</translation>
    </message>
    <message>
        <source>Simple Calculator</source>
        <translation>Simple Calculator</translation>
    </message>
    <message>
        <source>A calculator without clutter</source>
        <translation>Une calculatrice épurée</translation>
    </message>
    <message>
        <source>Calculator++</source>
        <translation>Calculator++</translation>
    </message>
    <message>
        <source>Scientific calculator with history</source>
        <translation>Calculatrice scientifique avec historique</translation>
    </message>
    <message>
        <source>Unit Converter Ultimate</source>
        <translation>Unit Converter Ultimate</translation>
    </message>
    <message>
        <source>Converts units of every kind</source>
        <translation>Convertit des unités de tout type</translation>
    </message>
    <message>
        <source>Qalculate!</source>
        <translation>Qalculate!</translation>
    </message>
    <message>
        <source>Calculator with units and currencies</source>
        <translation>Calculatrice avec unités et devises</translation>
    </message>
    <message>
        <source>GNOME Calculator</source>
        <translation>GNOME Calculator</translation>
    </message>
    <message>
        <source>Desktop calculator with currency conversion</source>
        <translation>Calculatrice avec conversion de devises</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Select Currency</source>
        <translation>Choisir la devise</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Type In a Currency</source>
        <translation>Saisir une devise</translation>
    </message>
    <message>
        <source>Type In %@</source>
        <translation>Saisir %@</translation>
    </message>
    <message>
        <source>Exchange Rates</source>
        <translation>Taux de change</translation>
    </message>
    <message>
        <source>Download exchange rates
for 190+ world currencies</source>
        <translation>Télécharger les taux de change
de plus de 190 devises du monde</translation>
    </message>
    <message>
        <source>Tap to set your home currency</source>
        <translation>Touchez pour choisir la devise locale</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Mises à jour auto</translation>
    </message>
    <message>
        <source>Changing the local currency will revert all foreign currencies</source>
        <translation>Changer de devise locale réinitialisera toutes les devises étrangères</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Next tab: %1, previous tab: %2</source>
        <translation>Onglet suivant : %1, onglet précédent : %2</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Shift+Tab, or Ctrl+Page Down and Ctrl+Page Up, go to the next and the previous tab; Alt+1 to Alt+5 open a tab directly. Tab moves between the controls; in a list the arrow keys move the highlight and Return or Space chooses the row. While the Rates list is being edited, Delete or Backspace asks to delete the highlighted currency and Return confirms; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Ctrl+Tab et Ctrl+Maj+Tab, ou Ctrl+Page suivante et Ctrl+Page précédente, passent à l’onglet suivant ou précédent ; Alt+1 à Alt+5 ouvrent directement un onglet. Tab passe d’une commande à l’autre ; dans une liste, les flèches déplacent la sélection et Entrée ou Espace choisit la ligne. Pendant la modification de la liste des cours, Suppr ou Retour arrière demande à supprimer la devise sélectionnée et Entrée confirme ; Ctrl+Haut et Ctrl+Bas la déplacent.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Currencies</source>
        <comment>title of the currency list</comment>
        <translation>Devises</translation>
    </message>
    <message>
        <source>Keep this rate</source>
        <translation>Garder ce taux</translation>
    </message>
    <message>
        <source>Type an amount on the keypad of the first tab. The upper row shows it in your local currency and converted into the current foreign currency; the lower row shows the same amount in the foreign currency and converted back. Results are exact and rounded to two decimals; a result too small for that shows its first three significant digits. C clears the amount. On a computer you can type digits and the decimal point (a point or a comma), take back the last key with Backspace, clear with Escape or Delete, and copy the converted amount with Ctrl+C.</source>
        <translation>Saisissez un montant sur le pavé numérique du premier onglet. La ligne du haut l’affiche dans votre devise locale et converti dans la devise étrangère choisie&#xa0;; la ligne du bas affiche le même montant dans la devise étrangère et reconverti. Les résultats sont exacts et arrondis à deux décimales&#xa0;; un résultat trop petit pour cela affiche ses trois premiers chiffres significatifs. C efface le montant. Sur un ordinateur, vous pouvez taper des chiffres et le séparateur décimal (point ou virgule), annuler la dernière touche avec Retour arrière, effacer avec Échap ou Suppr, et copier le montant converti avec Ctrl+C.</translation>
    </message>
    <message>
        <source>The Rates tab lists your foreign currencies with their rate (how much of the foreign currency one unit of your local currency buys) and when their source published it (or, where the service does not say, when it was downloaded). Tap a currency to make it the one the keypad converts into. Tap Edit to delete currencies, to move them by their grips, or to change the name or the rate of one. A rate you type reads Your rate until the next download replaces it; with Keep this rate on, downloads leave it alone (a pin marks it).</source>
        <translation>L’onglet Taux liste vos devises étrangères avec leur taux (combien de devise étrangère vous obtenez pour une unité de votre devise locale) et l’heure à laquelle leur source l’a publié (ou, si le service ne le dit pas, celle du téléchargement). Touchez une devise pour que le pavé numérique convertisse vers celle-ci. Touchez Modifier pour supprimer des devises, les déplacer par leurs poignées ou changer le nom ou le taux de l’une d’elles. Un taux que vous saisissez s’affiche comme «&#xa0;Votre taux&#xa0;» jusqu’à ce que le prochain téléchargement le remplace&#xa0;; avec «&#xa0;Garder ce taux&#xa0;» activé, les téléchargements n’y touchent pas (une punaise le signale).</translation>
    </message>
    <message>
        <source>Your rate</source>
        <translation>Votre taux</translation>
    </message>
    <message>
        <source>Phone Applications</source>
        <translation>Applications pour téléphone</translation>
    </message>
    <message>
        <source>Desktop Applications</source>
        <translation>Applications de bureau</translation>
    </message>
    <message>
        <source>Made by %@</source>
        <translation>Créée par %@</translation>
    </message>
    <message>
        <source>Cannot Open Link</source>
        <translation>Impossible d’ouvrir le lien</translation>
    </message>
    <message>
        <source>No application here opens this link. It has been copied to the clipboard.</source>
        <translation>Aucune application ici n’ouvre ce lien. Il a été copié dans le presse-papiers.</translation>
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
        <translation>Vous aimez %@&#xa0;?</translation>
    </message>
    <message>
        <source>If you find it useful, would you take a moment to rate it in the store? It won&apos;t take more than a minute. Thank you for your support!</source>
        <translation>Si vous la trouvez utile, prendriez-vous un instant pour la noter dans la boutique&#xa0;? Cela ne prend pas plus d’une minute. Merci de votre soutien&#xa0;!</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Non merci</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Noter</translation>
    </message>
</context>
</TS>
