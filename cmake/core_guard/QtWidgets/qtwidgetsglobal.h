// Placed first on the include path of the core libraries: every Qt Widgets header includes this file.
#error "The core libraries are widget-free: move this code to windows/ or the race view."
