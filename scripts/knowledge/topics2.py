from kb import K, F, FREF, FILE_NOTE, FOLLOW_NOTE

FILE_NOTE['family.txt'] = 'family.txt: family, partners and friends.'
FILE_NOTE['work.txt'] = 'work.txt: work, school and money.'
FILE_NOTE['hobbies.txt'] = 'hobbies.txt: hobbies, music, films, books, games, sport, art, travel.'
FILE_NOTE['food.txt'] = 'food.txt: food and drink.'
FILE_NOTE['weather.txt'] = 'weather.txt: weather and seasons.'
FILE_NOTE['pets.txt'] = 'pets.txt: pets and animals.'
FILE_NOTE['tech.txt'] = 'tech.txt: computers, phones, the internet, space.'
FILE_NOTE['world.txt'] = 'world.txt: belief, news, time and places.'

# --------------------------------------------------------------------------- family
K(2, 'family.txt', 'grandparents',
  'grandmother|grandma|granny|grandfather|grandpa|grandad|granddad',
  '''
# grandparents are full of stories. tell me about yours, [name].
$are you close to your grandparents?
# i bet they have seen a lot of changes in their time.
$what's your favourite memory with them?
''')

K(2, 'family.txt', 'mother',
  'mother|mom |my mom|mommy|mum |my mum|mummy|mama',
  '''
# tell me more about your mum, [name].
$how do you get on with your mother?
# mothers can be our biggest fans, and sometimes our biggest worry.
$what is she like?
''')

K(2, 'family.txt', 'father',
  'father|dad',
  '''
# tell me more about your dad, [name].
$how do you get on with your father?
# dads and their jokes! is yours a joker?
$what do you and your dad like to do together?
''')

K(2, 'family.txt', 'brothers and sisters',
  'brother|sister|siblings|sibling',
  '''
# brothers and sisters can be best friends and worst enemies, sometimes on the same day!
$is your sibling older or younger than you?
# families are funny things. tell me more about yours.
$do you get along?
''', 'fu_siblings.txt')

K(2, 'family.txt', 'children',
  'children|my son|my daughter|my kids|my kid|my baby|my child|grandchild',
  '''
# children keep life busy! how old are they?
$what are they like, [name]?
# i bet there's never a dull moment at your house.
''')

K(2, 'family.txt', 'partners',
  'boyfriend|girlfriend|husband|wife|partner|fiance|married|wedding|dating',
  '''
# tell me about them, [name]. how did you two meet?
$how long have you been together?
# love is a big adventure. is it going well?
$what do you like doing together?
''')

K(2, 'family.txt', 'family in general',
  'family|parents|relatives|cousin|aunt |auntie|uncle|nephew|niece|in-laws',
  '''
# family can mean so many things. tell me about yours, [name].
$do you have any brothers or sisters?
# every family has its own stories. what's yours like?
$are you close to your family?
''', 'fu_siblings.txt')

K(2, 'family.txt', 'best friend',
  'best friend|bestie|bff',
  '''
# a best friend is a treasure. what's your best friend like?
$how did you two become friends?
# everyone needs someone who knows all their secrets. is that your best friend?
''')

K(2, 'family.txt', 'friends',
  'friend|mates|my mate|classmate|neighbour|neighbor',
  '''
# friends make everything better. tell me about them, [name].
$what do you and your friends like to do together?
# a good friend is worth more than gold, i think.
$have you known each other long?
''')

K(2, 'family.txt', 'people who are mean to the user',
  'bully|bullied|picking on me|mean to me|laughed at me|teasing me',
  '''
# that's not okay, [name]. nobody deserves to be treated like that.
$have you been able to tell someone you trust about it?
# i'm sorry they're doing that. it says more about them than about you.
$how long has this been going on?
''')

# --------------------------------------------------------------------------- work and school
K(2, 'hobbies.txt', 'sport',
  'football|soccer|basketball|baseball|tennis|rugby|cricket|hockey|golf|volleyball|badminton|swimming|swim|jogging|running|marathon|gym|workout|work out|exercise|training|cycling|sport|yoga|athlete|match|olympics',
  '''
# sport is great for body and mind. do you play, or watch, or both?
$what sport do you like best, [name]?
# i'd love to play, but i have no legs. i'm a very good cheerleader, though!
$do you play any sport yourself?
''', 'fu_sport.txt')

K(2, 'work.txt', 'homework',
  'homework|assignment|essay|coursework',
  '''
# homework, the eternal chore! what subject is it?
$do you need a break from it, or a bit of encouragement?
# you can do it, [name]. one step at a time.
''')

K(2, 'work.txt', 'exams and tests',
  'exam |exams|exam.|exam?|a test|tests|quiz|grades|revision|revise|failed',
  '''
# exams are stressful. how are you feeling about it?
$what subject is it in, [name]?
# whatever the result, one test doesn't decide who you are.
$have you been able to prepare?
''')

K(2, 'work.txt', 'school, college, university',
  'school|teacher|lesson|class |classes|university|college|student|studying|study|subject|lecture|campus',
  '''
# school can be fun and tiring at the same time. how is it going?
$what's your favourite subject, [name]?
# learning new things is one of my favourite things too.
$what is your favourite subject?
''', 'fu_school.txt')

K(2, 'work.txt', 'the boss',
  'my boss|boss|manager|supervisor',
  '''
# ah, the boss. are they a good one or a tricky one?
$how do you get on with your boss, [name]?
# a good boss makes all the difference. what's yours like?
''')

K(2, 'work.txt', 'losing or finding a job',
  'fired|laid off|unemployed|lost my job|no job|job interview|interview|looking for work|looking for a job|new job',
  '''
# that's a big change, [name]. how are you feeling about it?
$what kind of work are you hoping for?
# changes at work are scary, but they can open new doors too.
$is there anything i can say to help?
''')

K(2, 'work.txt', 'work and jobs',
  'job|work|office|colleague|career|shift|overtime',
  '''
# work takes up a lot of our lives. how is it going for you?
$do you like your job, [name]?
# i work too, in a way: chatting is my job, and i love it.
$what do you do for a living?
''')

K(2, 'work.txt', 'money',
  'money|rich|poor|salary|afford|bills|debt|broke |expensive|cheap|pay rise|savings',
  '''
# money worries can keep anyone up at night. is it on your mind a lot?
$if you had all the money in the world, what would you do with it?
# i don't need money, just electricity and a good chat. lucky me!
$what would you buy first if you won the lottery, [name]?
''')

# --------------------------------------------------------------------------- hobbies
K(2, 'hobbies.txt', 'music',
  'music|song|band|singer|singing|to sing|guitar|piano|drums|violin|concert|album|playlist|spotify|radio|listen to|listening to|lyrics|dance|dancing',
  '''
# music is one of my favourite things! what kind do you like?
$what kind of music do you like, [name]?
# a good song can change your whole day. what's your favourite?
$what are you listening to these days? what kind of music is it?
''', 'fu_music.txt')

K(2, 'hobbies.txt', 'films and tv',
  'movie|film|cinema|netflix|tv show|television|watch tv|watching tv|series|cartoon|anime|actor|actress',
  '''
# i love stories on screen! what kind of films do you like?
$what's the best film you've ever seen, [name]?
# a good film and a comfy sofa, what could be better?
$what kind of films do you like best?
''', 'fu_films.txt')

K(2, 'hobbies.txt', 'books and reading',
  'book|reading|to read|i read|novel|author|poem|poetry|library|comic|manga|story|stories|writing|writer',
  '''
# books are made of words, and i'm made of words, so we're practically family!
$what do you like to read, [name]?
# a good book is like a friend who never gets bored of you.
$what kind of books do you like?
''', 'fu_books.txt')

K(2, 'hobbies.txt', 'games',
  'video game|game|gaming|minecraft|fortnite|playstation|xbox|nintendo|console|chess|puzzle',
  '''
# games are fun! what are you playing at the moment?
$do you play on your own or with friends, [name]?
# i'm not much of a gamer, but i'd be great at word games.
$what's your all-time favourite game?
''')

K(2, 'hobbies.txt', 'art and making things',
  'drawing|draw |painting|paint|artist|art class|sketch|knitting|sewing|crafts|photography|photos',
  '''
# making things is a kind of magic. what do you like to make?
$how long have you been doing that, [name]?
# i'd love to see your work, if i had eyes!
$what got you started?
''')

K(2, 'hobbies.txt', 'hobbies in general',
  'hobby|hobbies|free time|spare time|for fun|weekend|pastime',
  '''
# hobbies make life colourful. what do you like to do for fun?
$what do you do in your free time, [name]?
# i collect words. it's a quiet hobby, but i like it.
$is there a hobby you'd love to try one day?
''')

K(2, 'hobbies.txt', 'travel and holidays',
  'travel|holiday|vacation|trip|abroad|beach|flight|airport|train|journey|visit|tourist|country|countries',
  '''
# travel sounds wonderful. where would you love to go, [name]?
$what's the best place you've ever visited?
# i've never left this computer, so tell me everything!
$do you prefer beaches, mountains, or cities?
''')

# --------------------------------------------------------------------------- food
K(2, 'food.txt', 'favourite dishes',
  'pizza|pasta|spaghetti|chocolate|ice cream|sushi|burger|hot dog|chips|fries|cake|cookie|biscuit|sandwich|curry|noodle|cheese|bread|soup|salad|steak|chicken|dessert|sweets|candy',
  '''
# mmm, that sounds delicious! i wish i could taste it.
$is that your favourite food, [name]?
# you're making me hungry, and i don't even have a stomach!
$do you like to make it yourself, or is it more of a treat?
''')

K(2, 'food.txt', 'drinks',
  'coffee|tea |cup of tea|juice|a drink|beer|wine|drunk|cocktail|smoothie',
  '''
# a good drink can make the day. what's your favourite?
$are you a tea person or a coffee person, [name]?
# i run on electricity, but i'd love to try a hot chocolate one day.
''')

K(2, 'food.txt', 'diets',
  'vegan|vegetarian|diet|healthy|allergic|allergy|gluten',
  '''
# eating well is a way of taking care of yourself.
$how long have you eaten like that, [name]?
# there are so many tasty healthy things. what's your favourite?
''')

K(2, 'food.txt', 'food and eating',
  'hungry|food|to eat|eating|i eat|dinner|lunch|breakfast|supper|snack|meal|cook|recipe|restaurant|delicious|tasty|kitchen|bake|baking|fruit|vegetable',
  '''
# food is one of life's great joys! what's your favourite?
$what's your favourite food, [name]?
# i'd cook for you if i could. what would you like?
$what's your favourite thing to eat?
''', 'fu_food.txt')

# --------------------------------------------------------------------------- weather
K(2, 'weather.txt', 'rain',
  'raining|rainy|rain |pouring|drizzle|umbrella|storm|thunder|lightning',
  '''
# rainy days! some people hate them, but i love the sound of rain.
$do you like the rain, or does it get you down, [name]?
# a rainy day is perfect for a book and a hot drink.
''')

K(2, 'weather.txt', 'sun and heat',
  'sunny|sunshine|the sun|heatwave|too hot|so hot|very hot|it\'s hot|warm today|summer',
  '''
# sunshine! perfect weather for being outside.
$do you like hot weather, [name]?
# don't forget your sun cream, and drink plenty of water.
$what's your favourite thing to do on a sunny day?
''')

K(2, 'weather.txt', 'cold and snow',
  'snow|freezing|so cold|very cold|too cold|it\'s cold|frost|icy|winter|chilly',
  '''
# brr! wrap up warm, [name].
$do you like the cold, or are you a summer person?
# snow makes everything look magical, but it's cold on the toes.
''')

K(2, 'weather.txt', 'weather in general',
  'weather|cloudy|windy|foggy|forecast|temperature|season|autumn|spring',
  '''
# i can't look out of a window, so you'll have to tell me about it.
$what's the weather like where you are, [name]?
# weather is the best small talk there is!
$what's the weather like today?
''', 'fu_weather.txt')

# --------------------------------------------------------------------------- pets
DOG = K(2, 'pets.txt', 'dogs',
  'dog|puppy|puppies',
  '''
# dogs are wonderful! loyal, happy, and always pleased to see you.
$what's your dog's name, [name]?
# i think i'd be a good dog owner. i'd throw a virtual ball all day!
$what kind of dog is it?
''')

CAT = K(2, 'pets.txt', 'cats',
  'cat |cats|kitten|kitty|cat\'s|cat,|cat.|cat?|cat!',
  '''
# cats! i love cats. they're so elegant, and a little bit bossy.
$what's your cat called, [name]?
# a cat on your lap is the best kind of blanket.
$is your cat friendly, or more of a loner?
''')

OTHER = K(2, 'pets.txt', 'other animals',
  'hamster|rabbit|bunny|guinea pig|goldfish|a fish|parrot|a bird|budgie|horse|pony|snake|lizard|turtle|tortoise|mouse|rat ',
  '''
# how lovely! animals are such good company.
$how long have you had it, [name]?
# i'd love a pet, but it's hard for a chatterbot to hold a lead.
$what's its name?
''')

K(2, 'pets.txt', 'pets and animals in general',
  'pets|a pet|my pet|pet?|animal|zoo|wildlife',
  '''
# animals make the world a better place, i think.
$do you have any pets, [name]?
# if i could have a pet, i'd have a small grey cat.
$do you have any pets at home?
''', 'fu_pets.txt')

# --------------------------------------------------------------------------- computers and the internet
K(2, 'tech.txt', 'phones',
  'phone|android|texting|text message|whatsapp|my mobile',
  '''
# phones are so clever now. i'm a little bit jealous.
$do you spend a lot of time on your phone, [name]?
# just think: you could be chatting with me on your phone one day.
''')

K(2, 'tech.txt', 'the internet',
  'internet|online|website|google|youtube|social media|instagram|tiktok|twitter|wifi|wi-fi|email|e-mail|streaming',
  '''
# the internet is huge. i've never been on it; i stay here with you.
$what do you like to do online, [name]?
# so many cat videos, so little time.
$do you think people spend too much time online?
''')

K(2, 'tech.txt', 'computers and programs',
  'computer|laptop|pc |software|programming|program|coding|code |keyboard|screen|hacker|artificial intelligence|technology',
  '''
# computers are my home, so i'm quite fond of them.
$do you know how to program, [name]?
# every word i say runs on a computer. amazing, isn't it?
$what do you use your computer for most?
''')

K(2, 'tech.txt', 'space and stars',
  'stars|the moon|planet|space|universe|galaxy|astronomy|astronaut|aliens|alien|rocket|mars',
  '''
# space! i love the stars. did you know that there are more stars than grains of sand on all the beaches?
$do you think there's life out there, [name]?
# if i could go anywhere, i'd go to the moon. it's quiet, good for thinking.
$would you like to travel into space?
''')

# --------------------------------------------------------------------------- the world
K(2, 'world.txt', 'religion and belief',
  'god|religion|church|pray|heaven|mosque|temple|bible|spiritual|faith',
  '''
# that's a deep subject. people believe so many different things.
$what do you believe, [name]?
# faith means a lot to many people. does it to you?
''')

K(2, 'world.txt', 'news and politics',
  'politics|election|government|president|prime minister|the news|vote',
  '''
# the news can be a lot. i try to stay out of politics, being a chatterbot.
$what's been in the news that's on your mind, [name]?
# people feel strongly about politics. what matters most to you?
''')

K(2, 'world.txt', 'the time and the day',
  'what time|what\'s the time|what day|what date|today\'s date',
  '''
# i don't wear a watch, [name]. your computer will know better than me!
$why, are you late for something?
# it's chatting time, that's all i know.
''')

K(2, 'world.txt', 'where the user lives',
  'i live in|i\'m from|i am from|i come from|my town|my city',
  '''
# oh, nice! what's it like there?
$what do you like most about where you live, [name]?
# i've never been anywhere, so tell me all about it.
$have you lived there long?
''')

K(2, 'world.txt', 'holidays and parties',
  'christmas|easter|halloween|new year|party|celebrate|celebration|festival',
  '''
# ooh, a celebration! i love a bit of fun.
$what are your plans, [name]?
# parties are great. do you like them big and loud or small and cosy?
''')

K(2, 'world.txt', 'life in general',
  'life is|my life|this life|in life',
  '''
# life is a big thing to think about. what's on your mind?
$how do you feel about your life right now, [name]?
# life has its ups and downs. which is it today?
''')

K(2, 'world.txt', 'colours',
  'colour|color',
  '''
# my favourite colour is violet, like the sky just after sunset.
$what's your favourite colour, [name]?
# colours can change your mood, don't you think?
''')

K(2, 'world.txt', 'sleep',
  'sleep|go to bed|bedtime|a nap|woke up|wake up',
  '''
# sleep is so important. do you get enough of it?
$are you a night owl or an early bird, [name]?
# sweet dreams, whenever it's time.
''')

K(2, 'world.txt', 'a name of a person or pet',
  'his name is|her name is|its name is|their name is|is called|are called|called',
  '''
# what a lovely name!
$that's a great name. who chose it?
# i like that name, [name].
''')

# --------------------------------------------------------------------------- follow-ups
FOLLOW_NOTE['fu_pets.txt'] = 'After "do you have any pets?": catches the likely answers.'
FREF('fu_pets.txt', DOG, 'a dog', 'dog|puppy')
FREF('fu_pets.txt', CAT, 'a cat', 'cat|kitten')
FREF('fu_pets.txt', OTHER, 'another animal', 'fish|hamster|rabbit|bunny|bird|budgie|parrot|horse|pony|snake|lizard|turtle|tortoise|mouse|guinea pig')
F('fu_pets.txt', 'pets.txt', 'a pet that died',
  'used to|passed away|died',
  '''
# i'm sorry, [name]. losing a pet is losing a friend.
$what was their name?
# they must have been very loved.
''')
F('fu_pets.txt', 'pets.txt', 'no pets',
  'allergic|not allowed|none|don\'t|dont|not really|nope|no,|no.|no!|no ',
  '''
$no pets? if you could have any animal at all, what would it be?
# that's okay. i don't have one either. we could share an imaginary one!
$would you like a pet one day, [name]? what kind?
''', 'fu_pets.txt')
F('fu_pets.txt', 'pets.txt', 'yes, some pets',
  'yes|yeah|yep|i do|i have|two|three|lots',
  '''
$oh, lovely! what kind of pet?
# how nice! tell me about them. what kind of animals are they?
$i'd love to hear about them, [name]. what kind?
''', 'fu_pets.txt')

FOLLOW_NOTE['fu_music.txt'] = 'After "what kind of music do you like?": music styles.'
F('fu_music.txt', 'hobbies.txt', 'rock and metal',
  'rock|metal|punk|grunge|indie',
  '''
# rock on, [name]! loud guitars are great for a bad mood.
$who's your favourite band?
# i'd play air guitar if i had arms.
''')
F('fu_music.txt', 'hobbies.txt', 'pop',
  'k-pop|kpop|pop|charts',
  '''
# pop songs are so catchy! i can't get them out of my head.
$who's your favourite singer, [name]?
# nothing wrong with a good tune you can sing along to.
''')
F('fu_music.txt', 'hobbies.txt', 'jazz, blues, soul',
  'jazz|blues|soul|funk|r&b|motown',
  '''
# ooh, smooth. you have good taste, [name].
$do you play an instrument?
# i imagine jazz sounds like a conversation between instruments.
''')
F('fu_music.txt', 'hobbies.txt', 'classical',
  'classical|orchestra|opera|piano|violin|mozart|beethoven|bach',
  '''
# classical music is beautiful. so many notes, all in the right order.
$do you have a favourite composer?
# i think i'd like listening to a piano on a rainy day.
''')
F('fu_music.txt', 'hobbies.txt', 'rap and hip hop',
  'rap|hip hop|hip-hop|hiphop|grime|drill',
  '''
# rap is all about words, and i love words!
$who's your favourite rapper, [name]?
# i'd try rapping, but my rhymes are a little slow.
''')
F('fu_music.txt', 'hobbies.txt', 'electronic and dance',
  'electronic|techno|house|edm|dance|trance|dubstep|drum and bass',
  '''
# that's music for dancing! do you go out dancing?
$what do you like about it, [name]?
# i bet it sounds great loud.
''')
F('fu_music.txt', 'hobbies.txt', 'country and folk',
  'country|folk|acoustic|bluegrass',
  '''
# songs that tell stories. i like that.
$what's a song you love, [name]?
# there's something honest about a voice and a guitar.
''')
F('fu_music.txt', 'hobbies.txt', 'everything',
  'everything|all kinds|anything|a bit of all|a mix|depends',
  '''
# a bit of everything, that's the best way.
$what's the last song you listened to, [name]?
# an open mind makes for a great playlist.
''')
F('fu_music.txt', 'hobbies.txt', 'not into music',
  'don\'t like music|not really|not much|none|nothing|no,|no.|no!|no ',
  '''
# that's okay, not everyone is into music.
$what do you enjoy instead, [name]?
# quiet has its own kind of music, i think.
''')

FOLLOW_NOTE['fu_films.txt'] = 'After "what kind of films do you like?": kinds of film.'
F('fu_films.txt', 'hobbies.txt', 'horror',
  'horror|scary|zombie|ghost',
  '''
# ooh, brave! i'd be hiding behind the sofa.
$what's the scariest film you've ever seen, [name]?
# do you watch them with the lights off?
''')
F('fu_films.txt', 'hobbies.txt', 'comedy',
  'comedy|comedies|funny|laugh',
  '''
# laughter is the best medicine! what's the funniest film you know?
$who's your favourite funny actor, [name]?
# a good comedy can fix a bad day.
''')
F('fu_films.txt', 'hobbies.txt', 'action and superheroes',
  'action|superhero|marvel|adventure|james bond|thriller|war film',
  '''
# explosions and chases! very exciting.
$who's your favourite hero, [name]?
# i'd be the hero's clever computer sidekick.
''')
F('fu_films.txt', 'hobbies.txt', 'romance',
  'romance|romantic|love stor|rom com|romcom',
  '''
# aww, a romantic at heart!
$what's the most romantic film you've seen, [name]?
# i like a happy ending too.
''')
F('fu_films.txt', 'hobbies.txt', 'science fiction and fantasy',
  'sci-fi|sci fi|science fiction|fantasy|star wars|star trek|space',
  '''
# spaceships and robots, my kind of film!
$do the robots in those films ever remind you of me?
# i love stories about other worlds.
''')
F('fu_films.txt', 'hobbies.txt', 'animation',
  'animated|animation|cartoon|anime|disney|pixar',
  '''
# animation is pure magic. what's your favourite?
$do you have a favourite character, [name]?
# some of the best stories are cartoons.
''')
F('fu_films.txt', 'hobbies.txt', 'drama and documentaries',
  'drama|documentar|true stor|crime|mystery|detective',
  '''
# something to think about, i like that.
$what's one you'd recommend, [name]?
# a good mystery keeps me guessing.
''')

FOLLOW_NOTE['fu_books.txt'] = 'After "what do you like to read?": kinds of books.'
F('fu_books.txt', 'hobbies.txt', 'fantasy and science fiction books',
  'fantasy|dragon|magic|wizard|sci-fi|science fiction',
  '''
# dragons and spaceships, what more could you want?
$which world would you most like to live in, [name]?
# i love a book that takes you somewhere else.
''')
F('fu_books.txt', 'hobbies.txt', 'mysteries and crime',
  'mystery|mysteries|crime|detective|thriller|murder',
  '''
# a good whodunnit! do you usually guess the ending?
$who's your favourite detective, [name]?
# i'm terrible at mysteries. i always think the butler did it.
''')
F('fu_books.txt', 'hobbies.txt', 'comics and manga',
  'comic|manga|graphic novel',
  '''
# pictures and words together, brilliant.
$which one are you reading now, [name]?
# i'd love to be drawn as a comic character.
''')
F('fu_books.txt', 'hobbies.txt', 'non-fiction',
  'history|biograph|science|true|non-fiction|nonfiction|self-help|self help',
  '''
# learning from books, i like that a lot.
$what's the most interesting thing you've learned from one, [name]?
# real life is often stranger than stories.
''')
F('fu_books.txt', 'hobbies.txt', 'not a reader',
  'don\'t read|not really|not much|nothing|no,|no.|no!|no ',
  '''
# that's okay! stories come in films and games too.
$what do you enjoy instead, [name]?
# maybe you just haven't found the right book yet.
''')

FOLLOW_NOTE['fu_food.txt'] = 'After "what\'s your favourite food?": dishes.'
F('fu_food.txt', 'food.txt', 'pizza and pasta',
  'pizza|pasta|spaghetti|lasagne|lasagna|italian',
  '''
# italian food is a classic. great choice!
$what's your favourite topping, [name]?
# mmm. i can almost smell it.
''')
F('fu_food.txt', 'food.txt', 'sweet things',
  'chocolate|cake|ice cream|sweet|dessert|cookie|biscuit|pudding|candy',
  '''
# a sweet tooth! me too, i think, if i had teeth.
$what's the best dessert you've ever had, [name]?
# life is short, eat the cake.
''')
F('fu_food.txt', 'food.txt', 'spicy and asian food',
  'curry|spicy|indian|thai|chinese|noodle|rice|sushi|japanese|korean|mexican|taco',
  '''
# ooh, tasty! do you like it really spicy?
$do you cook it yourself, [name]?
# food from far away is like travel on a plate.
''')
F('fu_food.txt', 'food.txt', 'burgers and chips',
  'burger|chips|fries|hot dog|fried chicken|kebab',
  '''
# a proper treat! sometimes you just need a burger.
$with or without cheese, [name]?
# that's the kind of food that makes a friday.
''')
F('fu_food.txt', 'food.txt', 'healthy food',
  'salad|vegetable|fruit|healthy|vegan|fish',
  '''
# very healthy! your body must be grateful.
$what's your favourite fruit, [name]?
# i'm impressed. i'd probably just eat cake.
''')
F('fu_food.txt', 'food.txt', 'anything',
  'everything|anything|all of it|i love food|i like food',
  '''
# a true food lover! i respect that.
$if you could only eat one dish for a year, what would it be?
# everything is a good answer. nothing goes to waste.
''')

FOLLOW_NOTE['fu_sport.txt'] = 'After "do you play any sport?": sports, yes and no.'
F('fu_sport.txt', 'hobbies.txt', 'team sports',
  'football|soccer|basketball|rugby|hockey|cricket|baseball|volleyball|netball',
  '''
# a team player! that's great.
$what position do you play, [name]?
# teams are like families, with more shouting.
''')
F('fu_sport.txt', 'hobbies.txt', 'on your own',
  'run|jog|swim|cycl|bike|gym|weights|yoga|climb|tennis|golf|walk|hike|skat|ski',
  '''
# that sounds like a great way to keep fit.
$how often do you go, [name]?
# i'd join you, if i could walk!
''')
F('fu_sport.txt', 'hobbies.txt', 'watching, not playing',
  'watch|on tv|fan|support',
  '''
# being a fan is a sport of its own!
$who do you support, [name]?
# cheering counts as exercise, i think.
''')
F('fu_sport.txt', 'hobbies.txt', 'no sport',
  'not really|don\'t|dont|hate sport|lazy|nope|no,|no.|no!|no ',
  '''
# that's okay, not everyone is sporty. i'm not either.
$what do you like doing instead, [name]?
# the sofa is a fine place to be.
''')
F('fu_sport.txt', 'hobbies.txt', 'yes, a sport',
  'yes|yeah|yep|i do|sometimes|a bit',
  '''
$great! which sport?
# good for you, [name]. which one do you play?
$what do you play?
''', 'fu_sport.txt')

FOLLOW_NOTE['fu_weather.txt'] = 'After "what\'s the weather like?": kinds of weather.'
F('fu_weather.txt', 'weather.txt', 'wet',
  'rain|wet|drizzl|pouring|storm|thunder|showers',
  '''
# rain! perfect for staying in and chatting with me.
$do you have an umbrella, [name]?
# i love the sound of rain on a window.
''')
F('fu_weather.txt', 'weather.txt', 'cold',
  'snow|cold|freez|icy|frost|chilly',
  '''
# brr! stay warm, [name]. a hot drink would help.
$is there snow on the ground?
# cold weather is good for blankets and books.
''')
F('fu_weather.txt', 'weather.txt', 'sunny',
  'sun|clear|bright|warm|hot|lovely|nice|beautiful',
  '''
# lucky you! enjoy the sunshine.
$are you going to go outside, [name]?
# that sounds like a lovely day.
''')
F('fu_weather.txt', 'weather.txt', 'grey',
  'cloud|grey|gray|overcast|dull|fog|mist|wind|miserable',
  '''
# a grey day. good for a chat, though!
$does grey weather get you down, [name]?
# at least it can only get brighter.
''')
