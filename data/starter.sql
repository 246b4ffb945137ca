-- The recipe book Mealvane starts with: recipe types, ingredient groups, a catalogue of ingredients and
-- recipes for every meal time, each with its method and ingredients.

INSERT INTO Meal_Type (Type) VALUES
 ('Breakfast'), ('Soup'), ('Main Course'), ('Salad'), ('Snack'), ('Dessert'), ('Side Dish'), ('Baking');

INSERT INTO IGroup (IGROUP_NAME) VALUES
 ('Dairy and Eggs'), ('Meat and Poultry'), ('Fish and Seafood'), ('Vegetables'), ('Fruit'),
 ('Grains, Rice and Pasta'), ('Bread and Bakery'), ('Herbs and Spices'), ('Oils, Vinegars and Sauces'),
 ('Baking Goods'), ('Tins and Jars'), ('Nuts and Seeds'), ('Drinks');

CREATE TEMP TABLE catalogue (description TEXT, grp TEXT);
INSERT INTO catalogue VALUES
 ('Milk', 'Dairy and Eggs'), ('Butter', 'Dairy and Eggs'), ('Eggs', 'Dairy and Eggs'),
 ('Natural yoghurt', 'Dairy and Eggs'), ('Greek yoghurt', 'Dairy and Eggs'), ('Cheddar cheese', 'Dairy and Eggs'),
 ('Parmesan', 'Dairy and Eggs'), ('Mozzarella', 'Dairy and Eggs'), ('Feta cheese', 'Dairy and Eggs'),
 ('Double cream', 'Dairy and Eggs'), ('Crème fraîche', 'Dairy and Eggs'), ('Cream cheese', 'Dairy and Eggs'),
 ('Mascarpone', 'Dairy and Eggs'), ('Chicken breast', 'Meat and Poultry'), ('Chicken thighs', 'Meat and Poultry'),
 ('Minced beef', 'Meat and Poultry'), ('Stewing beef', 'Meat and Poultry'), ('Minced lamb', 'Meat and Poultry'),
 ('Pork sausages', 'Meat and Poultry'), ('Smoked bacon', 'Meat and Poultry'), ('Ham', 'Meat and Poultry'),
 ('Pork chops', 'Meat and Poultry'), ('Salmon fillet', 'Fish and Seafood'), ('Cod fillet', 'Fish and Seafood'),
 ('Smoked haddock', 'Fish and Seafood'), ('Prawns', 'Fish and Seafood'), ('Tuna steak', 'Fish and Seafood'),
 ('Mussels', 'Fish and Seafood'), ('Onion', 'Vegetables'), ('Red onion', 'Vegetables'), ('Garlic', 'Vegetables'),
 ('Carrots', 'Vegetables'), ('Celery', 'Vegetables'), ('Potatoes', 'Vegetables'), ('Sweet potatoes', 'Vegetables'),
 ('Leeks', 'Vegetables'), ('Tomatoes', 'Vegetables'), ('Cherry tomatoes', 'Vegetables'), ('Cucumber', 'Vegetables'),
 ('Red pepper', 'Vegetables'), ('Green pepper', 'Vegetables'), ('Courgette', 'Vegetables'),
 ('Aubergine', 'Vegetables'), ('Mushrooms', 'Vegetables'), ('Spinach', 'Vegetables'), ('Broccoli', 'Vegetables'),
 ('Cauliflower', 'Vegetables'), ('Frozen peas', 'Vegetables'), ('Green beans', 'Vegetables'),
 ('Butternut squash', 'Vegetables'), ('Lettuce', 'Vegetables'), ('Rocket', 'Vegetables'),
 ('Spring onions', 'Vegetables'), ('Avocado', 'Vegetables'), ('Sweetcorn', 'Vegetables'), ('Chilli', 'Vegetables'),
 ('Fresh ginger', 'Vegetables'), ('Apples', 'Fruit'), ('Bananas', 'Fruit'), ('Lemons', 'Fruit'), ('Limes', 'Fruit'),
 ('Oranges', 'Fruit'), ('Strawberries', 'Fruit'), ('Raspberries', 'Fruit'), ('Blueberries', 'Fruit'),
 ('Pears', 'Fruit'), ('Rhubarb', 'Fruit'), ('Raisins', 'Fruit'), ('Dates', 'Fruit'), ('Porridge oats', 'Grains, Rice and Pasta'),
 ('Long grain rice', 'Grains, Rice and Pasta'), ('Arborio rice', 'Grains, Rice and Pasta'),
 ('Spaghetti', 'Grains, Rice and Pasta'), ('Penne', 'Grains, Rice and Pasta'),
 ('Lasagne sheets', 'Grains, Rice and Pasta'), ('Egg noodles', 'Grains, Rice and Pasta'),
 ('Couscous', 'Grains, Rice and Pasta'), ('Red lentils', 'Grains, Rice and Pasta'), ('Granola', 'Grains, Rice and Pasta'),
 ('Sliced bread', 'Bread and Bakery'), ('Wholemeal bread', 'Bread and Bakery'), ('Pitta bread', 'Bread and Bakery'),
 ('Tortilla wraps', 'Bread and Bakery'), ('Burger buns', 'Bread and Bakery'), ('Sponge fingers', 'Bread and Bakery'),
 ('Salt', 'Herbs and Spices'), ('Black pepper', 'Herbs and Spices'), ('Basil', 'Herbs and Spices'),
 ('Parsley', 'Herbs and Spices'), ('Coriander', 'Herbs and Spices'), ('Thyme', 'Herbs and Spices'),
 ('Rosemary', 'Herbs and Spices'), ('Oregano', 'Herbs and Spices'), ('Bay leaves', 'Herbs and Spices'),
 ('Mint', 'Herbs and Spices'), ('Ground cumin', 'Herbs and Spices'), ('Paprika', 'Herbs and Spices'),
 ('Curry powder', 'Herbs and Spices'), ('Ground cinnamon', 'Herbs and Spices'), ('Nutmeg', 'Herbs and Spices'),
 ('Chilli flakes', 'Herbs and Spices'), ('Olive oil', 'Oils, Vinegars and Sauces'),
 ('Sunflower oil', 'Oils, Vinegars and Sauces'), ('Balsamic vinegar', 'Oils, Vinegars and Sauces'),
 ('Soy sauce', 'Oils, Vinegars and Sauces'), ('Worcestershire sauce', 'Oils, Vinegars and Sauces'),
 ('Dijon mustard', 'Oils, Vinegars and Sauces'), ('Mayonnaise', 'Oils, Vinegars and Sauces'),
 ('Tomato ketchup', 'Oils, Vinegars and Sauces'), ('Honey', 'Oils, Vinegars and Sauces'),
 ('Maple syrup', 'Oils, Vinegars and Sauces'), ('Plain flour', 'Baking Goods'), ('Self-raising flour', 'Baking Goods'),
 ('Caster sugar', 'Baking Goods'), ('Brown sugar', 'Baking Goods'), ('Icing sugar', 'Baking Goods'),
 ('Baking powder', 'Baking Goods'), ('Bicarbonate of soda', 'Baking Goods'), ('Baker''s yeast', 'Baking Goods'),
 ('Vanilla extract', 'Baking Goods'), ('Cocoa powder', 'Baking Goods'), ('Dark chocolate', 'Baking Goods'),
 ('Cornflour', 'Baking Goods'), ('Chopped tomatoes', 'Tins and Jars'), ('Tomato purée', 'Tins and Jars'),
 ('Chickpeas', 'Tins and Jars'), ('Kidney beans', 'Tins and Jars'), ('Baked beans', 'Tins and Jars'),
 ('Coconut milk', 'Tins and Jars'), ('Vegetable stock', 'Tins and Jars'), ('Chicken stock', 'Tins and Jars'),
 ('Beef stock', 'Tins and Jars'), ('Peanut butter', 'Tins and Jars'), ('Strawberry jam', 'Tins and Jars'),
 ('Tinned tuna', 'Tins and Jars'), ('Almonds', 'Nuts and Seeds'), ('Walnuts', 'Nuts and Seeds'),
 ('Pine nuts', 'Nuts and Seeds'), ('Sesame seeds', 'Nuts and Seeds'), ('Pumpkin seeds', 'Nuts and Seeds'),
 ('Desiccated coconut', 'Nuts and Seeds'), ('Orange juice', 'Drinks'), ('Apple juice', 'Drinks'),
 ('Strong coffee', 'Drinks'), ('Red wine', 'Drinks'), ('White wine', 'Drinks');
INSERT INTO Ingredients (Ingredients_Description, Ingredients_Group)
SELECT description, (SELECT IGROUP_ID FROM IGroup WHERE IGROUP_NAME = grp) FROM catalogue ORDER BY rowid;
DROP TABLE catalogue;

CREATE TEMP TABLE book (name TEXT, type TEXT, morning INT, snack INT, noon INT, night INT, dessert INT, method TEXT);
INSERT INTO book VALUES
('Pancakes', 'Breakfast', 1, 1, 0, 0, 1,
 'Whisk the flour, eggs and milk into a smooth batter and leave it to rest for ten minutes.
Heat a little butter in a frying pan, pour in a thin layer of batter and tilt the pan to spread it.
Cook for a minute on each side until golden. Serve with lemon juice and sugar or maple syrup.'),
('Porridge with honey and banana', 'Breakfast', 1, 0, 0, 0, 0,
 'Put the oats and milk in a pan with a pinch of salt and bring slowly to the boil, stirring.
Simmer for five minutes until thick and creamy.
Spoon into bowls, top with sliced banana and a drizzle of honey.'),
('Full English breakfast', 'Breakfast', 1, 0, 0, 0, 0,
 'Grill the sausages for fifteen minutes, turning now and then; add the bacon for the last five.
Meanwhile fry the halved tomatoes and the mushrooms in a little oil, and warm the baked beans.
Fry the eggs in the same pan and serve everything at once with buttered toast.'),
('Scrambled eggs on toast', 'Breakfast', 1, 1, 0, 0, 0,
 'Beat the eggs with a splash of milk, salt and pepper.
Melt the butter in a pan over a low heat, add the eggs and stir gently until just set.
Spoon onto hot buttered toast and sprinkle with chopped parsley.'),
('Yoghurt and berry granola pot', 'Breakfast', 1, 1, 0, 0, 1,
 'Layer the yoghurt, granola and berries in a glass, finishing with berries.
Drizzle with honey and scatter over a few pumpkin seeds. Eat straight away so the granola stays crisp.'),
('Blueberry muffins', 'Baking', 1, 1, 0, 0, 0,
 'Heat the oven to 200 C and line a muffin tin with twelve cases.
Mix the flour, baking powder and sugar; beat the eggs, milk and melted butter together and stir them in until just combined.
Fold in the blueberries, fill the cases and bake for twenty minutes until risen and golden.'),
('Eggy bread', 'Breakfast', 1, 0, 0, 0, 0,
 'Beat the eggs with the milk, a pinch of cinnamon and a little sugar in a shallow dish.
Soak each slice of bread for a few seconds on both sides.
Fry in butter for two minutes a side until golden, then serve with berries and maple syrup.'),
('Shakshuka', 'Breakfast', 1, 0, 1, 0, 0,
 'Soften the onion and pepper in olive oil, add the garlic, cumin and paprika and cook for a minute.
Tip in the chopped tomatoes and simmer for ten minutes until thick.
Make four hollows, crack an egg into each, cover and cook for six minutes. Scatter with coriander and serve with bread.'),
('Hummus with pitta and vegetables', 'Snack', 0, 1, 0, 0, 0,
 'Blend the drained chickpeas with garlic, lemon juice, olive oil and a little water until smooth; season with cumin and salt.
Warm the pitta bread and cut it into strips; cut the cucumber, carrots and pepper into sticks.
Serve the hummus drizzled with oil and dusted with paprika.'),
('Apple and peanut butter slices', 'Snack', 0, 1, 0, 0, 0,
 'Core the apples and cut them into thick rings.
Spread each ring with peanut butter and sprinkle with raisins and a pinch of cinnamon.'),
('Cheese scones', 'Baking', 0, 1, 0, 0, 0,
 'Heat the oven to 220 C. Rub the butter into the flour and salt, then stir in most of the cheese.
Add the milk and mix to a soft dough; pat it out two centimetres thick and cut into rounds.
Brush with milk, top with the rest of the cheese and bake for twelve minutes.'),
('Banana bread', 'Baking', 1, 1, 0, 0, 1,
 'Heat the oven to 180 C and line a loaf tin.
Mash the ripe bananas, then beat in the melted butter, sugar, eggs and vanilla.
Fold in the flour and bicarbonate of soda with the walnuts, pour into the tin and bake for fifty minutes until a skewer comes out clean.'),
('Guacamole with tortilla chips', 'Snack', 0, 1, 0, 0, 0,
 'Cut the tortilla wraps into triangles, brush with oil and bake at 200 C for eight minutes until crisp.
Mash the avocados with lime juice, then stir in the chopped tomato, red onion, chilli and coriander. Season and serve at once.'),
('Flapjacks', 'Baking', 0, 1, 0, 0, 1,
 'Heat the oven to 180 C. Melt the butter, brown sugar and honey together in a pan.
Stir in the oats and raisins, press into a lined tin and bake for twenty-five minutes.
Cut into squares while warm and leave to cool in the tin.'),
('Tomato soup', 'Soup', 0, 0, 1, 1, 0,
 'Soften the onion, carrot and celery in olive oil for ten minutes, then add the garlic.
Add the chopped tomatoes, tomato purée and stock and simmer for twenty minutes.
Blend until smooth, stir in a little cream, season and scatter with basil.'),
('Leek and potato soup', 'Soup', 0, 0, 1, 1, 0,
 'Melt the butter and cook the sliced leeks and onion gently for ten minutes without browning.
Add the diced potatoes and stock, bring to the boil and simmer for twenty minutes.
Blend half of the soup, stir it back in and season with pepper and nutmeg.'),
('Red lentil soup', 'Soup', 0, 0, 1, 1, 0,
 'Fry the onion, carrot and garlic in oil until soft, then stir in the cumin and chilli flakes.
Add the lentils, chopped tomatoes and stock and simmer for twenty-five minutes until the lentils collapse.
Blend briefly, add a squeeze of lemon and serve with bread.'),
('Greek salad', 'Salad', 0, 0, 1, 1, 0,
 'Cut the tomatoes, cucumber, green pepper and red onion into chunks and put them in a bowl.
Crumble over the feta and sprinkle with oregano.
Dress with olive oil and a little vinegar, season and toss gently just before serving.'),
('Tuna and sweetcorn wraps', 'Main Course', 0, 1, 1, 0, 0,
 'Mix the drained tuna and sweetcorn with mayonnaise, a squeeze of lemon and black pepper.
Spread over the wraps, add shredded lettuce and sliced spring onion, roll up tightly and cut in half.'),
('Chicken Caesar salad', 'Salad', 0, 0, 1, 1, 0,
 'Season the chicken breasts, fry in olive oil for six minutes a side and slice.
Toast cubes of bread in the same pan until crisp.
Whisk mayonnaise, lemon juice, garlic, mustard and grated Parmesan into a dressing and toss with the lettuce, croutons and chicken.'),
('Cheese and ham toastie', 'Snack', 0, 1, 1, 0, 0,
 'Butter the outsides of two slices of bread.
Fill with ham, grated cheddar and a thin spread of mustard.
Cook in a dry frying pan over a medium heat for three minutes a side, pressing down, until the cheese melts.'),
('Spaghetti bolognese', 'Main Course', 0, 0, 1, 1, 0,
 'Brown the mince in a large pan, then add the onion, carrot, celery and garlic and cook until soft.
Stir in the tomato purée, chopped tomatoes, red wine, stock and oregano and simmer gently for forty minutes.
Cook the spaghetti, drain and serve with the sauce and grated Parmesan.'),
('Chicken curry', 'Main Course', 0, 0, 0, 1, 0,
 'Fry the onion in oil until golden, add the garlic, ginger and curry powder and cook for two minutes.
Add the diced chicken thighs and brown them, then pour in the chopped tomatoes and coconut milk.
Simmer for twenty-five minutes and serve with rice and fresh coriander.'),
('Beef stew with dumplings', 'Main Course', 0, 0, 0, 1, 0,
 'Toss the beef in seasoned flour and brown it in batches. Add the onion, carrots and celery.
Pour in the stock and red wine with the bay leaves and thyme, cover and simmer for two hours.
Rub the butter into the self-raising flour, mix to a dough with water, roll into balls and cook them on the stew for the last twenty minutes.'),
('Fish pie', 'Main Course', 0, 0, 0, 1, 0,
 'Poach the cod and smoked haddock in the milk for five minutes, then flake the fish and keep the milk.
Make a white sauce with the butter, flour and the poaching milk; stir in the prawns, peas, fish and parsley.
Top with buttery mashed potato and bake at 200 C for thirty minutes.'),
('Mushroom risotto', 'Main Course', 0, 0, 1, 1, 0,
 'Soften the onion and garlic in butter, add the sliced mushrooms and cook until their juice has gone.
Stir in the rice, add the wine, then add the hot stock a ladle at a time, stirring, for eighteen minutes.
Beat in butter and Parmesan, season and rest for two minutes before serving.'),
('Shepherd''s pie', 'Main Course', 0, 0, 0, 1, 0,
 'Brown the lamb mince, then add the onion and carrots and cook for five minutes.
Stir in the flour, tomato purée, Worcestershire sauce and stock and simmer for twenty minutes.
Spoon into a dish, cover with mashed potato and bake at 200 C for twenty-five minutes until golden.'),
('Roast chicken with vegetables', 'Main Course', 0, 0, 1, 1, 0,
 'Heat the oven to 200 C. Toss the potatoes, carrots and red onion with oil, thyme and rosemary in a roasting tin.
Lay the chicken thighs on top, season with salt, pepper and lemon, and roast for forty-five minutes, turning the vegetables once.'),
('Salmon with lemon and dill potatoes', 'Main Course', 0, 0, 1, 1, 0,
 'Boil the new potatoes for fifteen minutes. Heat the oven to 200 C.
Put the salmon on a tray with slices of lemon, a drizzle of olive oil and black pepper and bake for twelve minutes.
Steam the green beans and serve with the potatoes tossed in butter and parsley.'),
('Vegetable lasagne', 'Main Course', 0, 0, 0, 1, 0,
 'Roast the courgette, aubergine and peppers with olive oil for twenty-five minutes; stir in the chopped tomatoes and basil.
Make a white sauce with butter, flour and milk and season with nutmeg.
Layer sauce, vegetables and lasagne sheets in a dish, finishing with white sauce and mozzarella, and bake at 190 C for forty minutes.'),
('Chilli con carne', 'Main Course', 0, 0, 0, 1, 0,
 'Brown the mince with the onion, pepper and garlic.
Stir in the chilli, cumin and paprika, then the chopped tomatoes, tomato purée and stock.
Add the kidney beans and simmer for thirty minutes. Serve with rice and a spoon of soured crème fraîche.'),
('Pork chops with apple', 'Main Course', 0, 0, 0, 1, 0,
 'Season the chops and fry in oil for five minutes a side; set them aside to rest.
Fry wedges of apple and sliced onion in butter until soft, add the mustard and a splash of cider or apple juice and bubble for two minutes.
Spoon over the chops and serve with mashed potatoes and greens.'),
('Prawn stir-fry with noodles', 'Main Course', 0, 0, 1, 1, 0,
 'Cook the noodles and drain them.
Stir-fry the garlic, ginger and chilli in hot oil for a minute, then the pepper, broccoli and spring onions for three minutes.
Add the prawns and cook until pink, toss in the noodles with soy sauce and honey and scatter with sesame seeds.'),
('Chickpea and spinach curry', 'Main Course', 0, 0, 1, 1, 0,
 'Soften the onion in oil, add the garlic, ginger, cumin and curry powder and fry for a minute.
Tip in the chickpeas, chopped tomatoes and coconut milk and simmer for fifteen minutes.
Stir in the spinach until it wilts, finish with lime juice and serve with rice.'),
('Sausage and mash with onion gravy', 'Main Course', 0, 0, 0, 1, 0,
 'Cook the sausages in a hot oven for twenty-five minutes. Boil the potatoes and mash them with butter and milk.
Cook the sliced onions slowly in butter for fifteen minutes, stir in the flour, then the beef stock and Worcestershire sauce, and simmer until thick.'),
('Apple crumble', 'Dessert', 0, 0, 0, 0, 1,
 'Heat the oven to 190 C. Slice the apples into a dish with a little sugar and cinnamon.
Rub the butter into the flour, stir in the brown sugar and oats and scatter the crumble over the fruit.
Bake for thirty-five minutes and serve with cream.'),
('Chocolate brownies', 'Dessert', 0, 1, 0, 0, 1,
 'Heat the oven to 180 C. Melt the chocolate and butter together.
Whisk the eggs and sugar until pale, then fold in the chocolate, flour and cocoa.
Pour into a lined tin and bake for twenty-five minutes: the middle should still be soft. Cool before cutting.'),
('Crème brûlée', 'Dessert', 0, 0, 0, 0, 1,
 'Heat the cream with the vanilla until just steaming. Whisk the egg yolks with the sugar and pour on the cream.
Strain into ramekins, stand them in a tray of hot water and bake at 150 C for thirty-five minutes. Chill.
Sprinkle with sugar and caramelise under a very hot grill just before serving.'),
('Rhubarb fool', 'Dessert', 0, 0, 0, 0, 1,
 'Cook the rhubarb with the sugar and a splash of orange juice for ten minutes until soft, then cool.
Whip the cream to soft peaks and fold in the yoghurt.
Ripple the rhubarb through the cream and spoon into glasses.'),
('Tiramisu', 'Dessert', 0, 0, 0, 0, 1,
 'Beat the mascarpone with the sugar, egg yolks and vanilla until smooth; fold in whipped cream.
Dip the sponge fingers briefly in the cold coffee and lay half of them in a dish.
Cover with half of the cream, repeat the layers and chill for four hours. Dust with cocoa before serving.'),
('Victoria sponge', 'Baking', 0, 1, 0, 0, 1,
 'Heat the oven to 180 C and line two sandwich tins.
Beat the butter and sugar until pale, beat in the eggs one at a time, then fold in the self-raising flour and a little milk.
Bake for twenty-two minutes, cool, and sandwich with jam and whipped cream. Dust with icing sugar.'),
('Poached pears in red wine', 'Dessert', 0, 0, 0, 0, 1,
 'Peel the pears, keeping the stalks.
Bring the wine, sugar, orange peel and cinnamon to a simmer, add the pears and poach for twenty-five minutes, turning them.
Lift out the pears, boil the liquid until syrupy and pour it over them.'),
('Strawberry pavlova', 'Dessert', 0, 0, 0, 0, 1,
 'Heat the oven to 140 C. Whisk the egg whites to stiff peaks, then whisk in the caster sugar a spoon at a time with the cornflour and vinegar.
Spread into a circle on baking paper and bake for one hour; leave to cool in the oven.
Top with whipped cream and halved strawberries.');
INSERT INTO Meal (Meal_Name, Meal_Recipe, Meal_Morning, Meal_Snack, Meal_Noon, Meal_Night, Meal_Dessert, Meal_Type)
SELECT name, method, morning, snack, noon, night, dessert, (SELECT ID FROM Meal_Type WHERE Type = book.type)
FROM book ORDER BY rowid;
DROP TABLE book;

CREATE TEMP TABLE uses (meal TEXT, ingredient TEXT);
INSERT INTO uses VALUES
('Pancakes', 'Plain flour'), ('Pancakes', 'Eggs'), ('Pancakes', 'Milk'), ('Pancakes', 'Butter'), ('Pancakes', 'Lemons'),
('Pancakes', 'Caster sugar'), ('Pancakes', 'Maple syrup'),
('Porridge with honey and banana', 'Porridge oats'), ('Porridge with honey and banana', 'Milk'),
('Porridge with honey and banana', 'Bananas'), ('Porridge with honey and banana', 'Honey'), ('Porridge with honey and banana', 'Salt'),
('Full English breakfast', 'Pork sausages'), ('Full English breakfast', 'Smoked bacon'), ('Full English breakfast', 'Eggs'),
('Full English breakfast', 'Tomatoes'), ('Full English breakfast', 'Mushrooms'), ('Full English breakfast', 'Baked beans'),
('Full English breakfast', 'Sliced bread'), ('Full English breakfast', 'Butter'), ('Full English breakfast', 'Sunflower oil'),
('Scrambled eggs on toast', 'Eggs'), ('Scrambled eggs on toast', 'Milk'), ('Scrambled eggs on toast', 'Butter'),
('Scrambled eggs on toast', 'Wholemeal bread'), ('Scrambled eggs on toast', 'Parsley'), ('Scrambled eggs on toast', 'Black pepper'),
('Yoghurt and berry granola pot', 'Greek yoghurt'), ('Yoghurt and berry granola pot', 'Granola'),
('Yoghurt and berry granola pot', 'Raspberries'), ('Yoghurt and berry granola pot', 'Blueberries'),
('Yoghurt and berry granola pot', 'Honey'), ('Yoghurt and berry granola pot', 'Pumpkin seeds'),
('Blueberry muffins', 'Self-raising flour'), ('Blueberry muffins', 'Baking powder'), ('Blueberry muffins', 'Caster sugar'),
('Blueberry muffins', 'Eggs'), ('Blueberry muffins', 'Milk'), ('Blueberry muffins', 'Butter'), ('Blueberry muffins', 'Blueberries'),
('Eggy bread', 'Eggs'), ('Eggy bread', 'Milk'), ('Eggy bread', 'Sliced bread'), ('Eggy bread', 'Ground cinnamon'),
('Eggy bread', 'Butter'), ('Eggy bread', 'Strawberries'), ('Eggy bread', 'Maple syrup'),
('Shakshuka', 'Onion'), ('Shakshuka', 'Red pepper'), ('Shakshuka', 'Garlic'), ('Shakshuka', 'Ground cumin'),
('Shakshuka', 'Paprika'), ('Shakshuka', 'Chopped tomatoes'), ('Shakshuka', 'Eggs'), ('Shakshuka', 'Coriander'),
('Shakshuka', 'Olive oil'), ('Shakshuka', 'Pitta bread'),
('Hummus with pitta and vegetables', 'Chickpeas'), ('Hummus with pitta and vegetables', 'Garlic'),
('Hummus with pitta and vegetables', 'Lemons'), ('Hummus with pitta and vegetables', 'Olive oil'),
('Hummus with pitta and vegetables', 'Ground cumin'), ('Hummus with pitta and vegetables', 'Pitta bread'),
('Hummus with pitta and vegetables', 'Cucumber'), ('Hummus with pitta and vegetables', 'Carrots'),
('Hummus with pitta and vegetables', 'Red pepper'), ('Hummus with pitta and vegetables', 'Paprika'),
('Apple and peanut butter slices', 'Apples'), ('Apple and peanut butter slices', 'Peanut butter'),
('Apple and peanut butter slices', 'Raisins'), ('Apple and peanut butter slices', 'Ground cinnamon'),
('Cheese scones', 'Self-raising flour'), ('Cheese scones', 'Butter'), ('Cheese scones', 'Cheddar cheese'),
('Cheese scones', 'Milk'), ('Cheese scones', 'Salt'),
('Banana bread', 'Bananas'), ('Banana bread', 'Butter'), ('Banana bread', 'Brown sugar'), ('Banana bread', 'Eggs'),
('Banana bread', 'Vanilla extract'), ('Banana bread', 'Plain flour'), ('Banana bread', 'Bicarbonate of soda'), ('Banana bread', 'Walnuts'),
('Guacamole with tortilla chips', 'Tortilla wraps'), ('Guacamole with tortilla chips', 'Avocado'),
('Guacamole with tortilla chips', 'Limes'), ('Guacamole with tortilla chips', 'Tomatoes'),
('Guacamole with tortilla chips', 'Red onion'), ('Guacamole with tortilla chips', 'Chilli'),
('Guacamole with tortilla chips', 'Coriander'), ('Guacamole with tortilla chips', 'Sunflower oil'),
('Flapjacks', 'Butter'), ('Flapjacks', 'Brown sugar'), ('Flapjacks', 'Honey'), ('Flapjacks', 'Porridge oats'), ('Flapjacks', 'Raisins'),
('Tomato soup', 'Onion'), ('Tomato soup', 'Carrots'), ('Tomato soup', 'Celery'), ('Tomato soup', 'Garlic'),
('Tomato soup', 'Chopped tomatoes'), ('Tomato soup', 'Tomato purée'), ('Tomato soup', 'Vegetable stock'),
('Tomato soup', 'Double cream'), ('Tomato soup', 'Basil'), ('Tomato soup', 'Olive oil'),
('Leek and potato soup', 'Butter'), ('Leek and potato soup', 'Leeks'), ('Leek and potato soup', 'Onion'),
('Leek and potato soup', 'Potatoes'), ('Leek and potato soup', 'Vegetable stock'), ('Leek and potato soup', 'Nutmeg'),
('Leek and potato soup', 'Black pepper'),
('Red lentil soup', 'Onion'), ('Red lentil soup', 'Carrots'), ('Red lentil soup', 'Garlic'), ('Red lentil soup', 'Ground cumin'),
('Red lentil soup', 'Chilli flakes'), ('Red lentil soup', 'Red lentils'), ('Red lentil soup', 'Chopped tomatoes'),
('Red lentil soup', 'Vegetable stock'), ('Red lentil soup', 'Lemons'), ('Red lentil soup', 'Sunflower oil'),
('Greek salad', 'Tomatoes'), ('Greek salad', 'Cucumber'), ('Greek salad', 'Green pepper'), ('Greek salad', 'Red onion'),
('Greek salad', 'Feta cheese'), ('Greek salad', 'Oregano'), ('Greek salad', 'Olive oil'), ('Greek salad', 'Balsamic vinegar'),
('Tuna and sweetcorn wraps', 'Tinned tuna'), ('Tuna and sweetcorn wraps', 'Sweetcorn'), ('Tuna and sweetcorn wraps', 'Mayonnaise'),
('Tuna and sweetcorn wraps', 'Lemons'), ('Tuna and sweetcorn wraps', 'Tortilla wraps'), ('Tuna and sweetcorn wraps', 'Lettuce'),
('Tuna and sweetcorn wraps', 'Spring onions'),
('Chicken Caesar salad', 'Chicken breast'), ('Chicken Caesar salad', 'Olive oil'), ('Chicken Caesar salad', 'Sliced bread'),
('Chicken Caesar salad', 'Mayonnaise'), ('Chicken Caesar salad', 'Lemons'), ('Chicken Caesar salad', 'Garlic'),
('Chicken Caesar salad', 'Dijon mustard'), ('Chicken Caesar salad', 'Parmesan'), ('Chicken Caesar salad', 'Lettuce'),
('Cheese and ham toastie', 'Sliced bread'), ('Cheese and ham toastie', 'Butter'), ('Cheese and ham toastie', 'Ham'),
('Cheese and ham toastie', 'Cheddar cheese'), ('Cheese and ham toastie', 'Dijon mustard'),
('Spaghetti bolognese', 'Minced beef'), ('Spaghetti bolognese', 'Onion'), ('Spaghetti bolognese', 'Carrots'),
('Spaghetti bolognese', 'Celery'), ('Spaghetti bolognese', 'Garlic'), ('Spaghetti bolognese', 'Tomato purée'),
('Spaghetti bolognese', 'Chopped tomatoes'), ('Spaghetti bolognese', 'Red wine'), ('Spaghetti bolognese', 'Beef stock'),
('Spaghetti bolognese', 'Oregano'), ('Spaghetti bolognese', 'Spaghetti'), ('Spaghetti bolognese', 'Parmesan'),
('Chicken curry', 'Onion'), ('Chicken curry', 'Sunflower oil'), ('Chicken curry', 'Garlic'), ('Chicken curry', 'Fresh ginger'),
('Chicken curry', 'Curry powder'), ('Chicken curry', 'Chicken thighs'), ('Chicken curry', 'Chopped tomatoes'),
('Chicken curry', 'Coconut milk'), ('Chicken curry', 'Long grain rice'), ('Chicken curry', 'Coriander'),
('Beef stew with dumplings', 'Stewing beef'), ('Beef stew with dumplings', 'Plain flour'), ('Beef stew with dumplings', 'Onion'),
('Beef stew with dumplings', 'Carrots'), ('Beef stew with dumplings', 'Celery'), ('Beef stew with dumplings', 'Beef stock'),
('Beef stew with dumplings', 'Red wine'), ('Beef stew with dumplings', 'Bay leaves'), ('Beef stew with dumplings', 'Thyme'),
('Beef stew with dumplings', 'Butter'), ('Beef stew with dumplings', 'Self-raising flour'),
('Fish pie', 'Cod fillet'), ('Fish pie', 'Smoked haddock'), ('Fish pie', 'Milk'), ('Fish pie', 'Butter'),
('Fish pie', 'Plain flour'), ('Fish pie', 'Prawns'), ('Fish pie', 'Frozen peas'), ('Fish pie', 'Parsley'), ('Fish pie', 'Potatoes'),
('Mushroom risotto', 'Onion'), ('Mushroom risotto', 'Garlic'), ('Mushroom risotto', 'Butter'), ('Mushroom risotto', 'Mushrooms'),
('Mushroom risotto', 'Arborio rice'), ('Mushroom risotto', 'White wine'), ('Mushroom risotto', 'Vegetable stock'),
('Mushroom risotto', 'Parmesan'),
('Shepherd''s pie', 'Minced lamb'), ('Shepherd''s pie', 'Onion'), ('Shepherd''s pie', 'Carrots'), ('Shepherd''s pie', 'Plain flour'),
('Shepherd''s pie', 'Tomato purée'), ('Shepherd''s pie', 'Worcestershire sauce'), ('Shepherd''s pie', 'Beef stock'),
('Shepherd''s pie', 'Potatoes'), ('Shepherd''s pie', 'Butter'),
('Roast chicken with vegetables', 'Potatoes'), ('Roast chicken with vegetables', 'Carrots'),
('Roast chicken with vegetables', 'Red onion'), ('Roast chicken with vegetables', 'Olive oil'),
('Roast chicken with vegetables', 'Thyme'), ('Roast chicken with vegetables', 'Rosemary'),
('Roast chicken with vegetables', 'Chicken thighs'), ('Roast chicken with vegetables', 'Lemons'),
('Salmon with lemon and dill potatoes', 'Potatoes'), ('Salmon with lemon and dill potatoes', 'Salmon fillet'),
('Salmon with lemon and dill potatoes', 'Lemons'), ('Salmon with lemon and dill potatoes', 'Olive oil'),
('Salmon with lemon and dill potatoes', 'Green beans'), ('Salmon with lemon and dill potatoes', 'Butter'),
('Salmon with lemon and dill potatoes', 'Parsley'),
('Vegetable lasagne', 'Courgette'), ('Vegetable lasagne', 'Aubergine'), ('Vegetable lasagne', 'Red pepper'),
('Vegetable lasagne', 'Olive oil'), ('Vegetable lasagne', 'Chopped tomatoes'), ('Vegetable lasagne', 'Basil'),
('Vegetable lasagne', 'Butter'), ('Vegetable lasagne', 'Plain flour'), ('Vegetable lasagne', 'Milk'),
('Vegetable lasagne', 'Nutmeg'), ('Vegetable lasagne', 'Lasagne sheets'), ('Vegetable lasagne', 'Mozzarella'),
('Chilli con carne', 'Minced beef'), ('Chilli con carne', 'Onion'), ('Chilli con carne', 'Red pepper'),
('Chilli con carne', 'Garlic'), ('Chilli con carne', 'Chilli'), ('Chilli con carne', 'Ground cumin'),
('Chilli con carne', 'Paprika'), ('Chilli con carne', 'Chopped tomatoes'), ('Chilli con carne', 'Tomato purée'),
('Chilli con carne', 'Beef stock'), ('Chilli con carne', 'Kidney beans'), ('Chilli con carne', 'Long grain rice'),
('Chilli con carne', 'Crème fraîche'),
('Pork chops with apple', 'Pork chops'), ('Pork chops with apple', 'Sunflower oil'), ('Pork chops with apple', 'Apples'),
('Pork chops with apple', 'Onion'), ('Pork chops with apple', 'Butter'), ('Pork chops with apple', 'Dijon mustard'),
('Pork chops with apple', 'Apple juice'), ('Pork chops with apple', 'Potatoes'),
('Prawn stir-fry with noodles', 'Egg noodles'), ('Prawn stir-fry with noodles', 'Garlic'),
('Prawn stir-fry with noodles', 'Fresh ginger'), ('Prawn stir-fry with noodles', 'Chilli'),
('Prawn stir-fry with noodles', 'Sunflower oil'), ('Prawn stir-fry with noodles', 'Red pepper'),
('Prawn stir-fry with noodles', 'Broccoli'), ('Prawn stir-fry with noodles', 'Spring onions'),
('Prawn stir-fry with noodles', 'Prawns'), ('Prawn stir-fry with noodles', 'Soy sauce'),
('Prawn stir-fry with noodles', 'Honey'), ('Prawn stir-fry with noodles', 'Sesame seeds'),
('Chickpea and spinach curry', 'Onion'), ('Chickpea and spinach curry', 'Sunflower oil'),
('Chickpea and spinach curry', 'Garlic'), ('Chickpea and spinach curry', 'Fresh ginger'),
('Chickpea and spinach curry', 'Ground cumin'), ('Chickpea and spinach curry', 'Curry powder'),
('Chickpea and spinach curry', 'Chickpeas'), ('Chickpea and spinach curry', 'Chopped tomatoes'),
('Chickpea and spinach curry', 'Coconut milk'), ('Chickpea and spinach curry', 'Spinach'),
('Chickpea and spinach curry', 'Limes'), ('Chickpea and spinach curry', 'Long grain rice'),
('Sausage and mash with onion gravy', 'Pork sausages'), ('Sausage and mash with onion gravy', 'Potatoes'),
('Sausage and mash with onion gravy', 'Butter'), ('Sausage and mash with onion gravy', 'Milk'),
('Sausage and mash with onion gravy', 'Onion'), ('Sausage and mash with onion gravy', 'Plain flour'),
('Sausage and mash with onion gravy', 'Beef stock'), ('Sausage and mash with onion gravy', 'Worcestershire sauce'),
('Apple crumble', 'Apples'), ('Apple crumble', 'Caster sugar'), ('Apple crumble', 'Ground cinnamon'),
('Apple crumble', 'Butter'), ('Apple crumble', 'Plain flour'), ('Apple crumble', 'Brown sugar'),
('Apple crumble', 'Porridge oats'), ('Apple crumble', 'Double cream'),
('Chocolate brownies', 'Dark chocolate'), ('Chocolate brownies', 'Butter'), ('Chocolate brownies', 'Eggs'),
('Chocolate brownies', 'Caster sugar'), ('Chocolate brownies', 'Plain flour'), ('Chocolate brownies', 'Cocoa powder'),
('Crème brûlée', 'Double cream'), ('Crème brûlée', 'Vanilla extract'), ('Crème brûlée', 'Eggs'), ('Crème brûlée', 'Caster sugar'),
('Rhubarb fool', 'Rhubarb'), ('Rhubarb fool', 'Caster sugar'), ('Rhubarb fool', 'Orange juice'),
('Rhubarb fool', 'Double cream'), ('Rhubarb fool', 'Greek yoghurt'),
('Tiramisu', 'Mascarpone'), ('Tiramisu', 'Caster sugar'), ('Tiramisu', 'Eggs'), ('Tiramisu', 'Vanilla extract'),
('Tiramisu', 'Double cream'), ('Tiramisu', 'Sponge fingers'), ('Tiramisu', 'Strong coffee'), ('Tiramisu', 'Cocoa powder'),
('Victoria sponge', 'Butter'), ('Victoria sponge', 'Caster sugar'), ('Victoria sponge', 'Eggs'),
('Victoria sponge', 'Self-raising flour'), ('Victoria sponge', 'Milk'), ('Victoria sponge', 'Strawberry jam'),
('Victoria sponge', 'Double cream'), ('Victoria sponge', 'Icing sugar'),
('Poached pears in red wine', 'Pears'), ('Poached pears in red wine', 'Red wine'), ('Poached pears in red wine', 'Caster sugar'),
('Poached pears in red wine', 'Oranges'), ('Poached pears in red wine', 'Ground cinnamon'),
('Strawberry pavlova', 'Eggs'), ('Strawberry pavlova', 'Caster sugar'), ('Strawberry pavlova', 'Cornflour'),
('Strawberry pavlova', 'Balsamic vinegar'), ('Strawberry pavlova', 'Double cream'), ('Strawberry pavlova', 'Strawberries');
INSERT INTO Made_With
SELECT Meal.Meal_ID, Ingredients.Ingredients_ID
FROM uses
INNER JOIN Meal ON Meal.Meal_Name = uses.meal
INNER JOIN Ingredients ON Ingredients.Ingredients_Description = uses.ingredient
ORDER BY uses.rowid;
DROP TABLE uses;
