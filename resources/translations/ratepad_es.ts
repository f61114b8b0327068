<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Localizable</name>
    <message>
        <source>Converter</source>
        <translation>Conversor</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Tipos</translation>
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
        <translation>Última actualización</translation>
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
        <translation>Borrar</translation>
    </message>
    <message>
        <source>in %@</source>
        <translation>en %@</translation>
    </message>
    <message>
        <source>Amount in %@</source>
        <translation>Importe en %@</translation>
    </message>
    <message>
        <source>Amount converted to %@</source>
        <translation>Importe convertido a %@</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Add Currency </source>
        <translation>Añadir moneda </translation>
    </message>
    <message>
        <source>Edit a Foreign Currency</source>
        <translation>Editar una moneda extranjera</translation>
    </message>
    <message>
        <source>Select a Foreign Currency</source>
        <translation>Elige una moneda extranjera</translation>
    </message>
    <message>
        <source>Add Foreign Currency</source>
        <translation>Añadir moneda extranjera</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Exchange rate update relies on </source>
        <translation>La actualización de los tipos depende de </translation>
    </message>
    <message>
        <source>an Internet server.
</source>
        <translation>un servidor de Internet.
</translation>
    </message>
    <message>
        <source>That server cannot currently be reached. </source>
        <translation>Ahora mismo no se puede acceder a ese servidor. </translation>
    </message>
    <message>
        <source>Please try again later.</source>
        <translation>Inténtalo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Exchange rate update requires </source>
        <translation>La actualización de los tipos requiere </translation>
    </message>
    <message>
        <source>an Internet connection.
</source>
        <translation>una conexión a Internet.
</translation>
    </message>
    <message>
        <source>Please check the connection and try again.</source>
        <translation>Comprueba la conexión e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Server not reachable</source>
        <translation>Servidor no disponible</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Master Currency</source>
        <translation>Moneda principal</translation>
    </message>
    <message>
        <source>Foreign Currency</source>
        <translation>Divisa</translation>
    </message>
    <message>
        <source>Automatic updates are supported 
for 190+ world currencies</source>
        <translation>Actualización automática disponible 
para más de 190 monedas del mundo</translation>
    </message>
    <message>
        <source>Value of 1 %@ in above currency</source>
        <translation>Valor de 1 %@ en la moneda de arriba</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>Tipo de cambio</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversión</translation>
    </message>
    <message>
        <source>Foreign currencies</source>
        <translation>Monedas extranjeras</translation>
    </message>
    <message>
        <source>Adding currencies</source>
        <translation>Añadir monedas</translation>
    </message>
    <message>
        <source>Tap Add Foreign Currency to choose from more than 190 world currencies; the search field finds one by its code or its name. A currency that is not in the list can be typed in with More, together with its rate. Rates are downloaded only for currencies of the list.</source>
        <translation>Toca Añadir moneda extranjera para elegir entre más de 190 monedas del mundo; el campo de búsqueda encuentra una por su código o su nombre. Una moneda que no está en la lista se puede introducir con Más, junto con su tipo de cambio. Solo se descargan los tipos de las monedas de la lista.</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Tipos de cambio</translation>
    </message>
    <message>
        <source>With automatic updates on (the Setup tab), Ratepad downloads every rate when the last download is six hours old, and rates that are still missing whenever it starts. The refresh button of the Rates tab downloads all rates at once. Until a rate has been downloaded, a starting rate shipped with Ratepad is used, so conversions work offline from the first start.</source>
        <translation>Con las actualizaciones automáticas activadas (pestaña Ajustes), Ratepad descarga todos los tipos cuando la última descarga tiene seis horas, y los que aún faltan cada vez que se abre. El botón de actualizar de la pestaña Tipos descarga todos los tipos a la vez. Hasta que se descarga un tipo, se usa un tipo inicial incluido con Ratepad, así que las conversiones funcionan sin conexión desde el primer día.</translation>
    </message>
    <message>
        <source>Local currency</source>
        <translation>Moneda local</translation>
    </message>
    <message>
        <source>The Setup tab also changes your local currency. A new local currency replaces the foreign list with a fresh starting list, so Ratepad asks before it does so.</source>
        <translation>En la pestaña Ajustes también puedes cambiar tu moneda local. Una nueva moneda local sustituye la lista de monedas extranjeras por una lista inicial nueva; por eso Ratepad pregunta antes.</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Tus datos</translation>
    </message>
    <message>
        <source>Your currencies, rates and settings are saved on this computer a moment after every change and when Ratepad quits. Nothing is sent anywhere except the currency codes of the rates being looked up.</source>
        <translation>Tus monedas, tipos y ajustes se guardan en este ordenador poco después de cada cambio y al cerrar Ratepad. No se envía nada a ningún sitio, salvo los códigos de las monedas cuyos tipos se consultan.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exchange rates for many currencies</source>
        <translation>Tipos de cambio de muchas monedas</translation>
    </message>
    <message>
        <source>Simple Calculator</source>
        <translation>Simple Calculator</translation>
    </message>
    <message>
        <source>A calculator without clutter</source>
        <translation>Una calculadora sin complicaciones</translation>
    </message>
    <message>
        <source>Calculator++</source>
        <translation>Calculator++</translation>
    </message>
    <message>
        <source>Scientific calculator with history</source>
        <translation>Calculadora científica con historial</translation>
    </message>
    <message>
        <source>Unit Converter Ultimate</source>
        <translation>Unit Converter Ultimate</translation>
    </message>
    <message>
        <source>Converts units of every kind</source>
        <translation>Convierte unidades de todo tipo</translation>
    </message>
    <message>
        <source>Qalculate!</source>
        <translation>Qalculate!</translation>
    </message>
    <message>
        <source>Calculator with units and currencies</source>
        <translation>Calculadora con unidades y monedas</translation>
    </message>
    <message>
        <source>GNOME Calculator</source>
        <translation>GNOME Calculator</translation>
    </message>
    <message>
        <source>Desktop calculator with currency conversion</source>
        <translation>Calculadora de escritorio que convierte monedas</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Select Currency</source>
        <translation>Elegir moneda</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Type In a Currency</source>
        <translation>Introducir una moneda</translation>
    </message>
    <message>
        <source>Type In %@</source>
        <translation>Introducir %@</translation>
    </message>
    <message>
        <source>Exchange Rates</source>
        <translation>Tipos de cambio</translation>
    </message>
    <message>
        <source>Download exchange rates
for 190+ world currencies</source>
        <translation>Descarga tipos de cambio
de más de 190 monedas del mundo</translation>
    </message>
    <message>
        <source>Tap to set your home currency</source>
        <translation>Toca para elegir tu moneda local</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Actualización automática</translation>
    </message>
    <message>
        <source>Changing the local currency will revert all foreign currencies</source>
        <translation>Al cambiar la moneda local se restablecerán todas las monedas extranjeras</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>En curso</translation>
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
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Next tab: %1, previous tab: %2</source>
        <translation>Pestaña siguiente: %1, pestaña anterior: %2</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Shift+Tab, or Ctrl+Page Down and Ctrl+Page Up, go to the next and the previous tab; Alt+1 to Alt+5 open a tab directly. Tab moves between the controls; in a list the arrow keys move the highlight and Return or Space chooses the row. While the Rates list is being edited, Delete or Backspace asks to delete the highlighted currency and Return confirms; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Ctrl+Tab y Ctrl+Mayús+Tab, o Ctrl+Av Pág y Ctrl+Re Pág, pasan a la pestaña siguiente y a la anterior; de Alt+1 a Alt+5 abren una pestaña directamente. Tab pasa de un control a otro; en una lista, las flechas mueven el resaltado e Intro o Espacio elige la fila. Mientras se edita la lista de tipos, Supr o Retroceso pide borrar la divisa resaltada e Intro lo confirma; Ctrl+Arriba y Ctrl+Abajo la mueven.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Currencies</source>
        <comment>title of the currency list</comment>
        <translation>Monedas</translation>
    </message>
    <message>
        <source>Keep this rate</source>
        <translation>Mantener este tipo</translation>
    </message>
    <message>
        <source>Type an amount on the keypad of the first tab. The upper row shows it in your local currency and converted into the current foreign currency; the lower row shows the same amount in the foreign currency and converted back. Results are exact and rounded to two decimals; a result too small for that shows its first three significant digits. C clears the amount. On a computer you can type digits and the decimal point (a point or a comma), take back the last key with Backspace, clear with Escape or Delete, and copy the converted amount with Ctrl+C.</source>
        <translation>Escribe un importe en el teclado de la primera pestaña. La fila superior lo muestra en tu moneda local y convertido a la moneda extranjera actual; la fila inferior muestra el mismo importe en la moneda extranjera y convertido de vuelta. Los resultados son exactos y se redondean a dos decimales; un resultado demasiado pequeño para ello muestra sus tres primeras cifras significativas. C borra el importe. En un ordenador puedes teclear cifras y el separador decimal (punto o coma), deshacer la última tecla con Retroceso, borrar con Esc o Supr, y copiar el importe convertido con Ctrl+C.</translation>
    </message>
    <message>
        <source>The Rates tab lists your foreign currencies with their rate (how much of the foreign currency one unit of your local currency buys) and when their source published it (or, where the service does not say, when it was downloaded). Tap a currency to make it the one the keypad converts into. Tap Edit to delete currencies, to move them by their grips, or to change the name or the rate of one. A rate you type reads Your rate until the next download replaces it; with Keep this rate on, downloads leave it alone (a pin marks it).</source>
        <translation>La pestaña Tipos muestra tus monedas extranjeras con su tipo de cambio (cuánta moneda extranjera se obtiene por una unidad de tu moneda local) y la hora en que su fuente lo publicó (o, si el servicio no lo indica, la de la descarga). Toca una moneda para que el teclado convierta a ella. Toca Editar para eliminar monedas, moverlas por sus asas o cambiar el nombre o el tipo de una. Un tipo que escribas se muestra como «Tu tipo» hasta que la próxima descarga lo sustituya; con «Mantener este tipo» activado, las descargas no lo cambian (lo marca una chincheta).</translation>
    </message>
    <message>
        <source>Your rate</source>
        <translation>Tu tipo</translation>
    </message>
    <message>
        <source>Phone Applications</source>
        <translation>Aplicaciones para teléfono</translation>
    </message>
    <message>
        <source>Desktop Applications</source>
        <translation>Aplicaciones de escritorio</translation>
    </message>
    <message>
        <source>Made by %@</source>
        <translation>Creada por %@</translation>
    </message>
    <message>
        <source>Cannot Open Link</source>
        <translation>No se puede abrir el enlace</translation>
    </message>
    <message>
        <source>No application here opens this link. It has been copied to the clipboard.</source>
        <translation>Ninguna aplicación de este equipo abre este enlace. Se ha copiado al portapapeles.</translation>
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
        <translation>¿Te gusta %@?</translation>
    </message>
    <message>
        <source>If you find it useful, would you take a moment to rate it in the store? It won&apos;t take more than a minute. Thank you for your support!</source>
        <translation>Si te resulta útil, ¿te tomarías un momento para valorarla en la tienda? No te llevará más de un minuto. ¡Gracias por tu apoyo!</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>No, gracias</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Valorar ahora</translation>
    </message>
</context>
</TS>
