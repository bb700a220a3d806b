#include "app/CManagedScreen.h"

CManagedScreen::CManagedScreen() = default;

CManagedScreen::~CManagedScreen() = default;

void CManagedScreen::SetId(int32_t newId) { id = newId; }

int32_t CManagedScreen::GetId() { return id; }

void CManagedScreen::SetNext(int32_t request) { next = request; }

int32_t CManagedScreen::GetNext() { return next; }

bool CManagedScreen::IsSameScreen(CManagedScreen *other) { return other && other->GetId() == id; }
