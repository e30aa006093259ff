// The army path: each click on the map while the wizard builds an order.
#include "map/karte.h"

void Karte::MacheBefehl() {}
